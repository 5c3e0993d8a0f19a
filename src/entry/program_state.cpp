#include "entry/program_state.h"

#include "store/earlier_versions.h"

namespace tavo {

void reportKeepFailure(Ui& ui, ProgramState& state, const QString& failure) {
    if (failure.isEmpty() || state.versionKeepFailureShown)
        return;
    state.versionKeepFailureShown = true;
    ui.message(store::keepFailureMessage(failure), Icon::Exclamation);
}

}  // namespace tavo

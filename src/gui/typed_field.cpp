#include "gui/typed_field.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace tavo::gui {
namespace {

// The line edit runs its validator after every edit, with the whole new text
// and the caret just after what was typed or pasted, and takes the text and
// the caret it returns.
class TypingRuleValidator : public QValidator {
  public:
    TypingRuleValidator(TypingRule rule, int limit, QObject* parent)
        : QValidator(parent), rule_(std::move(rule)), limit_(limit) {}

    int limit() const { return limit_; }
    void setLimit(int limit) { limit_ = limit; }

    State validate(QString& input, int& pos) const override {
        const text::TypedText typed = rule_(input.left(pos), input.mid(pos), limit_);
        input = typed.text;
        pos = int(typed.caret);
        return Acceptable;
    }

  private:
    TypingRule rule_;
    int limit_;
};

TypingRuleValidator* ruleOf(const QLineEdit* edit) {
    return const_cast<TypingRuleValidator*>(
        dynamic_cast<const TypingRuleValidator*>(edit->validator()));
}

}  // namespace

void setTypingRule(QLineEdit* edit, TypingRule rule, int limit) {
    edit->setMaxLength(32767);  // QLineEdit's own "no limit"
    edit->setValidator(new TypingRuleValidator(std::move(rule), limit, edit));
}

int typedLimitOf(const QLineEdit* edit) {
    const TypingRuleValidator* rule = ruleOf(edit);
    return rule ? rule->limit() : edit->maxLength();
}

void setTypedLimit(QLineEdit* edit, int limit) {
    if (TypingRuleValidator* rule = ruleOf(edit))
        rule->setLimit(limit);
    else
        edit->setMaxLength(limit);
}

void showProgramText(QLineEdit* edit, const QString& text) {
    const QSignalBlocker block(edit);
    const QValidator* rule = edit->validator();
    edit->setValidator(nullptr);
    edit->setText(text);
    edit->setValidator(rule);
}

}  // namespace tavo::gui

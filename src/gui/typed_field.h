#pragma once

#include <QValidator>
#include <functional>

#include "text/text_helpers.h"

class QLineEdit;

namespace tavo::gui {

// What a one-line field's model makes of the text typed or pasted into it:
// the text up to the caret (ending with what was just typed or pasted), the
// rest, and the typed limit.
using TypingRule = std::function<text::TypedText(const QString& beforeCaret,
                                                 const QString& afterCaret, int limit)>;

// Gives a field its model's typing rule for every edit: keys, Ctrl+V, the
// context menu's paste, the middle-click selection paste, a drop. The field's
// own length limit would cut a pasted text before the rule sees it, so a field
// with a rule has none; the rule's limit stands in for it.
void setTypingRule(QLineEdit* edit, TypingRule rule, int limit);

// The typed limit of a field: its rule's, or its own length limit.
int typedLimitOf(const QLineEdit* edit);
void setTypedLimit(QLineEdit* edit, int limit);

// Shows the program's text as it is: the typing rule is the user's, not the program's.
void showProgramText(QLineEdit* edit, const QString& text);

}  // namespace tavo::gui

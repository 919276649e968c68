#pragma once

#include <QList>

class QWidget;

// The keyboard order of a dialog or bar.
namespace TabChain {

/// Makes Tab visit controls in the given (template) order and Shift+Tab the reverse; controls
/// that take no Tab focus (labels, the unchecked buttons of a radio group) are passed over.
void Link(const QList<QWidget*>& controls);

} // namespace TabChain

#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// The accessible face of the board view: the score, the clock, the next balls and the 81
// cells as its children, read from what the board shows. A factory for
// QAccessible::installFactory.
QAccessibleInterface* BoardAccessible(const QString& className, QObject* object);

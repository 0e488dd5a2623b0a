#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// The accessible face of the Leaders table: ten rows, each named as one reads it ("1.
// Anonymous, 25 points, medium, 03:12"), instead of its fifty-five loose labels. A factory
// for QAccessible::installFactory; it knows the table by its object name "LeadersTable".
QAccessibleInterface* LeadersAccessible(const QString& className, QObject* object);

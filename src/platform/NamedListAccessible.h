#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// On Linux Qt names a drop-down list by the item it shows, so four lists that all show
// "Sound1" sound alike to a screen reader. A list given an accessible name of its own is
// named by it, and the item it shows is its value. A factory for QAccessible::installFactory;
// install it before naming the list, since naming it makes its accessible face.
QAccessibleInterface* NamedListAccessible(const QString& className, QObject* object);

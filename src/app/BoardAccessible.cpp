#include "BoardAccessible.h"

#include "BoardReading.h"
#include "BoardView.h"

QAccessibleInterface* BoardAccessible(const QString& /*className*/, QObject* object) {
    auto* view = qobject_cast<TBoardView*>(object);
    if (view == nullptr) {
        return nullptr;
    }
    auto* face = new TAccessibleParts(view, QAccessible::Canvas, QAccessible::StaticText,
                                      BoardPartCount, [view] { return view->Reading(); });
    return face;
}

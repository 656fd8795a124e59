#include "corvina/help/helpcontext.h"

#include <QVariant>
#include <QWidget>

namespace corvina {

namespace {

constexpr const char* kProperty = "corvinaHelpPage";

}  // namespace

void setHelpPage(QWidget* widget, const QString& page) {
    widget->setProperty(kProperty, page);
}

QString helpPageOf(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const QString page = widget->property(kProperty).toString();
        if (!page.isEmpty()) return page;
    }
    return {};
}

}  // namespace corvina

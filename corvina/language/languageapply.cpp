#include "corvina/language/languageapply.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>
#include <functional>

#include "corvina/language/language.h"

namespace corvina {

namespace {

const char* const kDynamic = "corvinaDynamic";
const char* const kSection = "corvinaSection";
const char* const kBuiltInCaption = "corvinaBuiltInCaption";
const char* const kBuiltInHint = "corvinaBuiltInHint";

// The tab widget and index of a tab page.
std::pair<QTabWidget*, int> tabOf(QWidget* widget) {
    auto* stack = qobject_cast<QStackedWidget*>(widget->parentWidget());
    if (!stack) return {nullptr, -1};
    auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget());
    if (!tabs) return {nullptr, -1};
    return {tabs, tabs->indexOf(widget)};
}

// Reading and writing the caption of a control; false for controls without one.
bool caption(QWidget* w, QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        text = button->text();
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        text = label->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        text = group->title();
    } else if (auto [tabs, index] = tabOf(w); tabs) {
        text = tabs->tabText(index);
    } else {
        return false;
    }
    return true;
}

void setCaption(QWidget* w, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(text);
    } else if (auto [tabs, index] = tabOf(w); tabs) {
        tabs->setTabText(index, text);
    }
}

// The window, or module window laid into another, whose section holds the control.
QWidget* sectionOf(QWidget* control) {
    for (QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
        if (w->isWindow() || w->property(kSection).toBool()) return w;
    }
    return control;
}

// Calls f(key prefix, widget) for the window and each named, non-dynamic
// control; Qt's own inner widgets (named "qt_…") take no part.
void forEachControl(QWidget* window, const std::function<void(const QString&, QWidget*)>& f) {
    const QString name = window->objectName();
    f(name, window);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->objectName().isEmpty() || child->property(kDynamic).toBool()) continue;
        if (child->objectName().startsWith(QLatin1String("qt_"))) continue;
        // A window of its own, or a module window inside this one, has its own section.
        if (child->isWindow() || child->property(kSection).toBool() || sectionOf(child) != window)
            continue;
        f(name + QLatin1Char('.') + child->objectName(), child);
    }
}

QVariant remembered(QWidget* w, const char* property, const QString& current) {
    QVariant value = w->property(property);
    if (!value.isValid()) {
        value = current;
        w->setProperty(property, value);
    }
    return value;
}

}  // namespace

void markDynamic(QWidget* control) {
    control->setProperty(kDynamic, true);
}

void markSection(QWidget* moduleWindow) {
    moduleWindow->setProperty(kSection, true);
}

void applyLanguage(QWidget* window) {
    const Language& language = Language::current();
    const QString section = window->objectName();
    forEachControl(window, [&](const QString& prefix, QWidget* w) {
        const QString captionKey = prefix + QStringLiteral(".Caption");
        if (w == window) {
            const QString builtIn = remembered(w, kBuiltInCaption, w->windowTitle()).toString();
            w->setWindowTitle(language.controlText(section, captionKey).value_or(builtIn));
        } else if (QString current; caption(w, current)) {
            const QString builtIn = remembered(w, kBuiltInCaption, current).toString();
            setCaption(w, language.controlText(section, captionKey).value_or(builtIn));
        }
        const QString builtInHint = remembered(w, kBuiltInHint, w->toolTip()).toString();
        if (!builtInHint.isEmpty()) {
            w->setToolTip(language.controlText(section, prefix + QStringLiteral(".Hint"))
                              .value_or(builtInHint));
        }
    });
}

LanguageFile::Section builtInTexts(QWidget* window) {
    LanguageFile::Section texts;
    forEachControl(window, [&](const QString& prefix, QWidget* w) {
        QString text;
        if (w == window) {
            text = w->property(kBuiltInCaption).isValid() ? w->property(kBuiltInCaption).toString()
                                                          : w->windowTitle();
        } else if (caption(w, text) && w->property(kBuiltInCaption).isValid()) {
            text = w->property(kBuiltInCaption).toString();
        }
        if (!text.isEmpty()) texts.insert(prefix + QStringLiteral(".Caption"), text);
        const QString hint = w->property(kBuiltInHint).isValid()
                                 ? w->property(kBuiltInHint).toString()
                                 : w->toolTip();
        if (!hint.isEmpty()) texts.insert(prefix + QStringLiteral(".Hint"), hint);
    });
    return texts;
}

}  // namespace corvina

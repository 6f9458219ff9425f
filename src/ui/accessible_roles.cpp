#include "ui/accessible_roles.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QDialog>
#include <QMainWindow>
#include <QVariant>
#include <QWidget>

namespace lumo::ui {

namespace {
constexpr char kExposedWindow[] = "lumoExposedWindow";
constexpr char kNamedList[] = "lumoNamedList";

class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }
};

class NamedListAccessible final : public QAccessibleWidget {
public:
    explicit NamedListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name:
            return widget()->accessibleName();
        case QAccessible::Value:
            return list()->currentText();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view() != nullptr && list()->view()->isVisible();
        return state;
    }
    [[nodiscard]] QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& name) override
    {
        if (name == showMenuAction() || name == pressAction()) {
            list()->showPopup();
        }
    }

private:
    [[nodiscard]] QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* accessibleFor(const QString& /*className*/, QObject* object)
{
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    if (object->property(kNamedList).toBool()) {
        if (auto* list = qobject_cast<QComboBox*>(object)) {
            return new NamedListAccessible(list);
        }
    }
    if (object->property(kExposedWindow).toBool() &&
        qobject_cast<QMainWindow*>(object) == nullptr &&
        qobject_cast<QDialog*>(object) == nullptr) {
        return new WindowAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

void registerFactory()
{
    static const bool registered = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(registered);
}
} // namespace

void exposeAsWindow(QWidget& window)
{
    registerFactory();
    window.setProperty(kExposedWindow, true);
}

void nameListByItsRole(QComboBox& list)
{
    registerFactory();
    list.setProperty(kNamedList, true);
}

} // namespace lumo::ui

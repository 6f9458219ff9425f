#include "ui/accessible_roles.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QDialog>
#include <QList>
#include <QMainWindow>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <utility>

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

// A closed list as screen readers read it: its name, and the entry it shows as its value and as
// its text. Orca ignores a list's name changes and finds nothing to say on a selection change
// without the selection interface (Qt 6.4 has none), but it reads a list's text on focus and
// speaks text inserted into the focused object: the entry that comes in as the user presses
// Down or Up.
class NamedListAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit NamedListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name:
            return widget()->accessibleName();
        case QAccessible::Value:
            return entry();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view() != nullptr && list()->view()->isVisible();
        state.readOnly = true;
        return state;
    }
    [[nodiscard]] QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& name) override
    {
        if (name == showMenuAction() || name == pressAction()) {
            list()->showPopup();
        }
    }

    // The entry as a text that cannot be selected or edited, with no caret of its own.
    void selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = 0;
    }
    [[nodiscard]] int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    [[nodiscard]] int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    [[nodiscard]] QString text(int startOffset, int endOffset) const override
    {
        const QString shown = entry();
        const int start = std::clamp(startOffset, 0, int(shown.size()));
        const int end =
            endOffset < 0 ? int(shown.size()) : std::clamp(endOffset, start, int(shown.size()));
        return shown.mid(start, end - start);
    }
    [[nodiscard]] int characterCount() const override { return int(entry().size()); }
    [[nodiscard]] QRect characterRect(int /*offset*/) const override { return {}; }
    [[nodiscard]] int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    [[nodiscard]] QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = offset;
        *endOffset = offset;
        return {};
    }

private:
    [[nodiscard]] QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
    [[nodiscard]] QString entry() const { return list()->currentText(); }
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

} // namespace

void installAccessibleFactory(AccessibleFactory factory)
{
    static QList<AccessibleFactory> installed;
    if (!installed.contains(factory)) {
        installed.append(factory);
        QAccessible::installFactory(factory);
    }
}

void exposeAsWindow(QWidget& window)
{
    installAccessibleFactory(accessibleFor);
    window.setProperty(kExposedWindow, true);
}

void nameListByItsRole(QComboBox& list)
{
    installAccessibleFactory(accessibleFor);
    list.setProperty(kNamedList, true);
    // The list reports its new value itself (QAccessibleValueChangeEvent); its text changes with
    // it, from the entry it showed before.
    QObject::connect(&list, &QComboBox::currentTextChanged, &list,
                     [&list, shown = list.currentText()](const QString& entry) mutable {
                         const QString before = std::exchange(shown, entry);
                         if (before == entry) {
                             return;
                         }
                         QAccessibleTextUpdateEvent update(&list, 0, before, entry);
                         QAccessible::updateAccessibility(&update);
                     });
}

} // namespace lumo::ui

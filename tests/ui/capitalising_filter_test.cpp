#include "ui/frm_main.h"
#include "window_harness.h"

#include <QClipboard>
#include <QLineEdit>
#include <memory>

using lumo::testing::WindowHarness;

namespace {
// Types each character as a key press, accented letters included (QTest::keyClicks knows only
// ASCII keys).
void typeInto(QWidget* box, const QString& text)
{
    for (const QChar character : text) {
        const auto key = static_cast<Qt::Key>(character.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, box, key, QString(character), Qt::NoModifier);
    }
}
} // namespace
using lumo::ui::frmMain;

// The filter of the three name boxes, exercised on the boxes of a real main window.
class CapitalisingFilterTest final : public lumo::testing::ShownMainWindowTest {
    Q_OBJECT

private slots:
    void typedKeysShow_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* box, const char* typed,
                            const char* shown) {
            QTest::newRow(name) << QString::fromUtf8(box) << QString::fromUtf8(typed)
                                << QString::fromUtf8(shown);
        };
        row("first name", "txtFirstName", "john", "JOHN");
        row("middle name, whole alphabet", "txtMiddleName", "abcdefghijklmnopqrstuvwxyz",
            "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        row("last name, mixed case", "txtLastName", "McDonald", "MCDONALD");
        row("capitals stay", "txtFirstName", "ANNA", "ANNA");
        row("digits and punctuation", "txtLastName", "0123456789 .,;:'-!?()[]{}@#`~",
            "0123456789 .,;:'-!?()[]{}@#`~");
        row("accented letters pass", "txtMiddleName", "zoë é ñ", "ZOë é ñ");
        row("blanks", "txtFirstName", "  a  b  ", "  A  B  ");
    }
    void typedKeysShow()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        auto* edit = m_main->findChild<QLineEdit*>(box);
        QVERIFY(edit);
        edit->setFocus();
        typeInto(edit, typed);
        QCOMPARE(edit->text(), shown);
    }

    void backspaceStillDeletes()
    {
        auto* edit = lumo::testing::child<QLineEdit>(*m_main, "txtFirstName");
        QTest::keyClicks(edit, QStringLiteral("abc"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("AB"));
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClicks(edit, QStringLiteral("x"));
        QCOMPARE(edit->text(), QStringLiteral("XAB"));
    }

    void editingShortcutsStillWork()
    {
        auto* edit = lumo::testing::child<QLineEdit>(*m_main, "txtLastName");
        QTest::keyClicks(edit, QStringLiteral("abc"));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit->selectedText(), QStringLiteral("ABC"));
        QTest::keyClicks(edit, QStringLiteral("z"));
        QCOMPARE(edit->text(), QStringLiteral("Z"));
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("ABC"));
    }

    void pastedTextIsNotCapitalised_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("first") << "txtFirstName";
        QTest::newRow("middle") << "txtMiddleName";
        QTest::newRow("last") << "txtLastName";
    }
    void pastedTextIsNotCapitalised()
    {
        QFETCH(QString, box);
        auto* edit = m_main->findChild<QLineEdit*>(box);
        QVERIFY(edit);
        const QString lower = QStringLiteral("mary ann");
        QGuiApplication::clipboard()->setText(lower);
        edit->paste();
        QCOMPARE(edit->text(), lower);
        edit->insert(QStringLiteral(" smith"));
        QCOMPARE(edit->text(), QStringLiteral("mary ann smith"));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), lower);
    }
};

QTEST_MAIN(CapitalisingFilterTest)
#include "capitalising_filter_test.moc"

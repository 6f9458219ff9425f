#include "support/program_look.h"
#include "ui/frm_main.h"
#include "ui/frm_soul_urge.h"
#include "window_harness.h"

#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
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
        row("accented letters", "txtMiddleName", "zoë é ñ", "ZOË É Ñ");
        row("dotless i", "txtLastName", "ılgın", "ILGIN");
        row("letters without a one-letter capital", "txtFirstName", "ß ﬁ", "ß ﬁ");
        row("a letter and a combining accent", "txtFirstName", "rene\u0301e", "RENÉE");
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

    // However text enters a name box, "a" to "z" become capitals and nothing else changes.
    void textEnteredAnyWayIsCapitalised_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* box, const char* way, const char* entered,
                            const char* shown) {
            QTest::addRow("%s, %s", box, way)
                << QString::fromLatin1(box) << QString::fromLatin1(way)
                << QString::fromUtf8(entered) << QString::fromUtf8(shown);
        };
        for (const char* box : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
            row(box, "paste", "mary ann", "MARY ANN");
            row(box, "Ctrl+V", "john", "JOHN");
            row(box, "drop", "smith", "SMITH");
            row(box, "input method", "lee", "LEE");
            row(box, "insert", "o'neil", "O'NEIL");
        }
        row("txtFirstName", "paste", "zoë é ñ ß ÿ", "ZOË É Ñ ß Ÿ");
        row("txtLastName", "paste", "ılgın", "ILGIN");
        row("txtFirstName", "paste", "rene\u0301e", "RENÉE");
        row("txtFirstName", "drop", "RENE\u0301E", "RENÉE");
        row("txtLastName", "drop", "abcdefghijklmnopqrstuvwxyz 0-9",
            "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0-9");
        row("txtMiddleName", "input method", "ǆ ﬁ", "Ǆ ﬁ");
    }
    void textEnteredAnyWayIsCapitalised()
    {
        QFETCH(QString, box);
        QFETCH(QString, way);
        QFETCH(QString, entered);
        QFETCH(QString, shown);
        auto* edit = m_main->findChild<QLineEdit*>(box);
        QVERIFY(edit);
        edit->setFocus();
        enter(*edit, way, entered);
        QCOMPARE(edit->text(), shown);
    }

    // Text entered after what is there joins it, and what was there keeps its letters.
    void enteredTextJoinsWhatIsThere()
    {
        auto* edit = lumo::testing::child<QLineEdit>(*m_main, "txtFirstName");
        QTest::keyClicks(edit, QStringLiteral("ann"));
        QGuiApplication::clipboard()->setText(QStringLiteral(" marie"));
        edit->paste();
        QCOMPARE(edit->text(), QStringLiteral("ANN MARIE"));
        QCOMPARE(edit->cursorPosition(), 9);
        QTest::keyClicks(edit, QStringLiteral("x"));
        QCOMPARE(edit->text(), QStringLiteral("ANN MARIEX"));
    }

    // What the boxes show is what is scored: pasted and dropped lower-case names give the number
    // of the same names typed (JOHN SMITH: O 6 + I 9 = 15, reduced to 6).
    void enteredNamesScoreAsTyped_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("typed") << "type";
        QTest::newRow("pasted") << "paste";
        QTest::newRow("dropped") << "drop";
        QTest::newRow("input method") << "input method";
    }
    void enteredNamesScoreAsTyped()
    {
        QFETCH(QString, way);
        auto* first = lumo::testing::child<QLineEdit>(*m_main, "txtFirstName");
        auto* last = lumo::testing::child<QLineEdit>(*m_main, "txtLastName");
        first->setFocus();
        enter(*first, way, QStringLiteral("john"));
        last->setFocus();
        enter(*last, way, QStringLiteral("smith"));
        QTest::mouseClick(lumo::testing::child(*m_main, "cmdNext"), Qt::LeftButton);
        QVERIFY(m_harness->messages.shown.isEmpty());
        QVERIFY(m_harness->result());
        const auto* report =
            lumo::testing::child<QPlainTextEdit>(*m_harness->result(), "txtDisplay");
        QVERIFY2(report->toPlainText().startsWith(QStringLiteral("Your Soul Urge Number is:6\n")),
                 qPrintable(report->toPlainText().left(40)));
    }

    // One name gives one number however it was entered and whatever the locale: "RENÉE SMITH"
    // with a composed É (E 5 + E 5 + I 9 = 19, reduced to 1) and with E and a combining acute
    // (which would add a third E: 24, reduced to 6); "ılgın" and "ilgin" as the capitals "ILGIN"
    // (I 9 + I 9 = 18, reduced to 9), never "ıLGıN" or, in Turkish, "İLGİN" (both 0).
    void oneNameGivesOneNumber_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("number");
        const QString composed = QStringLiteral("REN\u00c9E");
        const QString decomposed = QStringLiteral("RENE\u0301E");
        const QString smith = QStringLiteral("SMITH");
        for (const char* way : {"type", "paste", "input method"}) {
            QTest::addRow("%s composed", way) << way << composed << smith << "en_US" << 1;
            QTest::addRow("%s decomposed", way) << way << decomposed << smith << "en_US" << 1;
            QTest::addRow("%s dotless, Turkish", way)
                << way << QStringLiteral("\u0131lg\u0131n") << QStringLiteral("k") << "tr_TR" << 9;
            QTest::addRow("%s dotted, Turkish", way)
                << way << QStringLiteral("ilgin") << QStringLiteral("k") << "tr_TR" << 9;
        }
    }
    void oneNameGivesOneNumber()
    {
        QFETCH(QString, way);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, locale);
        QFETCH(int, number);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        auto* firstBox = lumo::testing::child<QLineEdit>(*m_main, "txtFirstName");
        auto* lastBox = lumo::testing::child<QLineEdit>(*m_main, "txtLastName");
        firstBox->setFocus();
        enter(*firstBox, way, first);
        lastBox->setFocus();
        enter(*lastBox, way, last);
        QTest::mouseClick(lumo::testing::child(*m_main, "cmdNext"), Qt::LeftButton);
        QLocale::setDefault(before);
        QVERIFY(m_harness->result());
        const auto* report =
            lumo::testing::child<QPlainTextEdit>(*m_harness->result(), "txtDisplay");
        const QString expected = QStringLiteral("Your Soul Urge Number is:%1\n").arg(number);
        QVERIFY2(report->toPlainText().startsWith(expected),
                 qPrintable(report->toPlainText().left(40)));
    }

private:
    // Puts `text` into `box` the way a user would: typing, the paste command, Ctrl+V, dragging
    // it in, an input method committing it, or the box's own insert.
    static void enter(QLineEdit& box, const QString& way, const QString& text)
    {
        if (way == QLatin1String("type")) {
            typeInto(&box, text);
        } else if (way == QLatin1String("paste") || way == QLatin1String("Ctrl+V")) {
            QGuiApplication::clipboard()->setText(text);
            if (way == QLatin1String("paste")) {
                box.paste();
            } else {
                QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
            }
        } else if (way == QLatin1String("drop")) {
            QMimeData data;
            data.setText(text);
            const QPoint at(box.width() - 2, box.height() / 2);
            // A drag enters the box before it drops there, as from another program.
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&box, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&box, &drop);
            QVERIFY(drop.isAccepted());
        } else if (way == QLatin1String("input method")) {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QCoreApplication::sendEvent(&box, &commit);
        } else {
            box.insert(text);
        }
    }
};

LUMO_WINDOW_TEST_MAIN(CapitalisingFilterTest)
#include "capitalising_filter_test.moc"

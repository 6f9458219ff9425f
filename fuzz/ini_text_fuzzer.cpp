// The settings file's text: any bytes are judged without fault; a text read as the program's own
// stays its own when a value is set, gives that value back, and keeps every other line as it was.

#include "fuzz/fuzz_check.h"
#include "platform/ini_text.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("Duration");

// The lines of `bytes` other than the value's own, in order; line ends as one.
QList<QByteArray> otherLines(QByteArray bytes)
{
    bytes.replace("\r\n", "\n");
    QList<QByteArray> lines;
    for (const QByteArray& line : bytes.split('\n')) {
        if (!line.trimmed().isEmpty() && !line.trimmed().startsWith("Duration")) {
            lines << line;
        }
    }
    return lines;
}

// Whether `some` appear in `all` in the same order.
bool inOrder(const QList<QByteArray>& some, const QList<QByteArray>& all)
{
    qsizetype at = 0;
    for (const QByteArray& line : some) {
        while (at < all.size() && all[at] != line) {
            ++at;
        }
        if (at++ >= all.size()) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string value = input.ConsumeRandomLengthString(64);
    const std::string file = input.ConsumeRemainingBytesAsString();
    const QByteArray bytes(file.data(), qsizetype(file.size()));

    auto text = lumo::platform::IniText::parse(bytes);
    if (!text) {
        return 0;
    }
    static_cast<void>(text->value(kSection, kKey));
    const QString newValue = QString::fromUtf8(value.data(), qsizetype(value.size()));
    text->setValue(kSection, kKey, newValue);
    const QByteArray written = text->toBytes();

    const auto reread = lumo::platform::IniText::parse(written);
    LUMO_FUZZ_CHECK(reread.has_value(), "the written text is not the program's own");
    // A value whose text is not valid UTF-8 arrives changed; compare what it decoded to.
    LUMO_FUZZ_CHECK(reread->value(kSection, kKey) == newValue, "value \"%s\" reads back as \"%s\"",
                    newValue.toStdString().c_str(),
                    reread->value(kSection, kKey).toStdString().c_str());
    LUMO_FUZZ_CHECK(inOrder(otherLines(bytes), otherLines(written)),
                    "a line other than the value's own was lost or moved");
    return 0;
}

// The player lookup with a desktop whose open commands are the fuzzer's text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include <QString>
#include <QStringList>

#include "platform/DefaultApps.h"
#include "playback/PlayerDiscovery.h"

namespace {
class FuzzedApps : public DefaultApps
{
public:
    explicit FuzzedApps(FuzzedDataProvider& input) : m_input(input) {}

    QString mimeTypeForExtension(const QString&) override { return next(); }
    QStringList aliasesOf(const QString&) override { return {next(), next()}; }
    QString openCommandForMimeType(const QString&) override { return next(); }

private:
    QString next()
    {
        const std::string text = m_input.ConsumeRandomLengthString(512);
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    }

    FuzzedDataProvider& m_input;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    static const QStringList documentTypes = {QStringLiteral(".ram"), QStringLiteral(".asx"),
                                              QStringLiteral("Winamp.file"), QStringLiteral(".swa")};
    const QString type =
        documentTypes.at(input.ConsumeIntegralInRange<qsizetype>(0, documentTypes.size() - 1));
    const bool skip = type.startsWith(QLatin1Char('W'));
    FuzzedApps apps(input);
    PlayerDiscovery discovery(apps);
    (void)discovery.getShellCommand(type, skip);
    const std::string command = input.ConsumeRemainingBytesAsString();
    (void)PlayerDiscovery::commandFromOpenCommand(
        QString::fromUtf8(command.data(), qsizetype(command.size())));
    return 0;
}

// The player lookup with a desktop whose open commands are the fuzzer's text.
#include <fuzzer/FuzzedDataProvider.h>

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
    QString next() { return QString::fromStdString(m_input.ConsumeRandomLengthString(512)); }

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
    FuzzedApps apps(input);
    (void)PlayerDiscovery(apps).getShellCommand(type, type.startsWith(QLatin1Char('W')));
    (void)PlayerDiscovery::commandFromOpenCommand(
        QString::fromStdString(input.ConsumeRemainingBytesAsString()));
    return 0;
}

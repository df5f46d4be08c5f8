// Feeds arbitrary bytes to the receive path of the link: stream cutting,
// frame checks and the dispatch of every reply and report.

#include "FrameStream.h"
#include "NetworkInterface.h"
#include "NetworkModel.h"
#include "ProtocolFrame.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

namespace {

class NullTransport : public NetworkInterface
{
public:
    void sendData(const QByteArray &) override {}
};

void silence(QtMsgType, const QMessageLogContext &, const QString &)
{
}

QCoreApplication &application()
{
    static int argc = 1;
    static char name[] = "link_fuzzer";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// Odd first bytes read the input as frames with valid checks around fuzzed
// codes and payloads, so the dispatch is reached beyond the CRC.
QByteArray structuredStream(const QByteArray &input)
{
    QByteArray stream;
    int at = 1;
    while (at + 3 <= input.size()) {
        const quint8 code = quint8(input.at(at)) % 4;
        const quint8 type = quint8(input.at(at + 1));
        const int length = quint8(input.at(at + 2));
        const QByteArray payload = input.mid(at + 3, length);
        at += 3 + length;
        stream += serializedFrame(makeFrame(0, code, 1, 4, type, payload));
        if (type % 7 == 0)
            stream += payload.left(5);
    }
    return stream;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    application();
    qInstallMessageHandler(silence);
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    const QByteArray stream = !input.isEmpty() && (input.at(0) & 1) ? structuredStream(input) : input;

    NetworkModel model;
    model.init(new NullTransport);
    const int chunk = input.isEmpty() ? 1 : 1 + quint8(input.at(0)) % 64;
    for (int at = 0; at < stream.size(); at += chunk)
        model.onDataRecved(stream.mid(at, chunk));

    ProtocolFrame frame;
    checkFrame(frame, input);
    return 0;
}

// Runs the receive-path fuzz target over a fixed number of inputs where no
// libFuzzer is at hand: a seed corpus of real frames and seeded mutations
// of it, the same inputs on every run.

#include "CommandFrames.h"
#include "ProtocolCodec.h"
#include "ProtocolFrame.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <cstdio>
#include <random>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

constexpr int kMutations = 20000;

QList<QByteArray> seedCorpus()
{
    QList<QByteArray> corpus;
    for (int type : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 20, 21, 22, 23, 24, 25, 26, 27, 255}) {
        for (int code : {0, 2}) {
            QByteArray values = payloadPrefix();
            for (int i = 0; i < type * 5; ++i)
                values.append(char(i * 37 + type));
            corpus.append(serializedFrame(makeFrame(0, quint8(code), 1, 4, quint8(type), values)));
        }
    }
    corpus.append(serializedFrame(buildMeasureSettingsFrame(2, 2, 3)));
    corpus.append(corpus.at(0) + corpus.at(9) + corpus.at(17));
    return corpus;
}

void run(const QByteArray &input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size()));
}

}

int main()
{
    const QList<QByteArray> corpus = seedCorpus();
    for (const QByteArray &seed : corpus) {
        run(seed);
        run(QByteArray(1, '\1') + seed);
    }

    std::mt19937 random(8);
    auto pick = [&random](int bound) {
        return int(random() % unsigned(qMax(1, bound)));
    };
    for (int i = 0; i < kMutations; ++i) {
        QByteArray input = corpus.at(pick(corpus.size()));
        const int edits = 1 + pick(6);
        for (int e = 0; e < edits && !input.isEmpty(); ++e) {
            switch (pick(4)) {
            case 0:
                input[pick(input.size())] = char(random());
                break;
            case 1:
                input.insert(pick(input.size()), char(random()));
                break;
            case 2:
                input.remove(pick(input.size()), 1 + pick(8));
                break;
            default:
                input.append(corpus.at(pick(corpus.size())).left(pick(60)));
            }
        }
        run(input);
    }
    std::printf("%d inputs, no fault\n", kMutations + 2 * int(corpus.size()));
    return 0;
}

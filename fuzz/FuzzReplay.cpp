// For compilers without libFuzzer: runs the fuzz target over the seed files
// named on the command line and over a fixed series of their mutations
// (bytes flipped, inserted, deleted and pieces spliced), the same each run.
#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
// Optional, as with libFuzzer: a target that needs a set-up defines it.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

void run(const QByteArray& input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()),
                           static_cast<size_t>(input.size()));
}

QByteArray mutate(QByteArray input, std::mt19937& random, const std::vector<QByteArray>& seeds) {
    static const char special[] = "#{}\\$=,'()+:\r\n\t\"\0";
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < edits; ++i) {
        const auto at = input.isEmpty() ? 0 : static_cast<qsizetype>(random() % input.size());
        switch (random() % 5) {
        case 0:
            if (!input.isEmpty())
                input[at] = static_cast<char>(random());
            break;
        case 1:
            input.insert(at, special[random() % (sizeof special - 1)]);
            break;
        case 2:
            input.remove(at, static_cast<qsizetype>(random() % 4));
            break;
        case 3: {
            const QByteArray& other = seeds[random() % seeds.size()];
            if (!other.isEmpty()) {
                const auto from = static_cast<qsizetype>(random() % other.size());
                input.insert(at, other.mid(from, static_cast<qsizetype>(random() % 64)));
            }
            break;
        }
        default:
            input.insert(at, special[random() % (sizeof special - 1)]);
            input.insert(at, '\\');
            break;
        }
    }
    return input;
}

} // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize != nullptr)
        LLVMFuzzerInitialize(&argc, &argv);
    std::vector<QByteArray> seeds;
    for (int i = 1; i < argc; ++i) {
        const QDir dir(QString::fromLocal8Bit(argv[i]));
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                seeds.push_back(file.readAll());
        }
    }
    if (seeds.empty()) {
        std::fprintf(stderr, "no seed files\n");
        return 1;
    }
    for (const QByteArray& seed : seeds)
        run(seed);
    std::mt19937 random(20261210);
    constexpr int kMutations = 3000;
    for (int i = 0; i < kMutations; ++i)
        run(mutate(seeds[static_cast<std::size_t>(i) % seeds.size()], random, seeds));
    std::printf("%zu seeds, %d mutations\n", seeds.size(), kMutations);
    return 0;
}

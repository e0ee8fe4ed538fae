// Runs a fuzz target once over each file of its corpus, without libFuzzer: the test suite keeps every
// input that once broke something (and the seeds) passing.
#include "Fuzz.h"

#include <QDirIterator>
#include <QFile>
#include <QStringList>

int main(int argc, char* argv[]) {
    QStringList file;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        QDirIterator it(a, QDir::Files, QDirIterator::Subdirectories);
        if (!it.hasNext() && QFile::exists(a))
            file << a;
        while (it.hasNext())
            file << it.next();
    }
    file.sort();
    if (file.isEmpty()) {
        std::fprintf(stderr, "no corpus files\n");
        return 1;
    }
    for (const QString& f : file) {
        QFile in(f);
        if (!in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(f));
            return 1;
        }
        const QByteArray d = in.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(d.constData()), std::size_t(d.size()));
    }
    std::printf("%lld inputs\n", static_cast<long long>(file.size()));
    return 0;
}

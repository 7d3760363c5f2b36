// Rewrites the golden sheet files of the core tests; the tests only ever read them.
#include "core/sheet_golden_cases.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool WriteFile(const QDir& folder, const QString& name, const QString& text) {
    QFile file(folder.filePath(name));
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: tallyworth_sheet_goldens GOLDEN_FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    using namespace tallyworth::sheet_golden;
    bool written = WriteFile(folder, QStringLiteral("class_set.txt"), ClassSetDump());
    for (const GoldenSheet& sheet : kGoldenSheets) {
        written = WriteFile(folder, QString::fromLatin1(sheet.name) + QStringLiteral(".txt"),
                            SheetDump(sheet.code)) &&
                  written;
    }
    if (!written) {
        std::fputs("could not write every golden file\n", stderr);
        return 1;
    }
    return 0;
}

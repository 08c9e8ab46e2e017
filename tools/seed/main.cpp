// zrk-seed: builds the board-layout seed file from its sources.
//   zrk-seed <source folder> <seed file>
#include "platform/error.h"
#include "seed_builder.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: zrk-seed <source folder> <seed file>\n");
        return 2;
    }
    try {
        zrk::seed::buildSeedFile(args[1], args[2]);
    } catch (const zrk::Error& e) {
        std::fprintf(stderr, "zrk-seed: %s\n", e.description().toUtf8().constData());
        return 1;
    }
    return 0;
}

#include "library_location.h"

#include <dlfcn.h>
#include <link.h>

#include <QFileInfo>
#include <memory>

namespace talvex {

QStringList loaderSearchDirectories() {
    QStringList directories;
    void *program = dlopen(nullptr, RTLD_LAZY);
    if (!program) return directories;
    Dl_serinfo size;
    if (dlinfo(program, RTLD_DI_SERINFOSIZE, &size) == 0) {
        // One block: the header, the path records and their strings.
        auto block = std::make_unique<std::max_align_t[]>(
            (size.dls_size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t));
        auto *info = reinterpret_cast<Dl_serinfo *>(block.get());
        *info = size;
        if (dlinfo(program, RTLD_DI_SERINFO, info) == 0) {
            for (unsigned i = 0; i < info->dls_cnt; ++i)
                directories << QString::fromLocal8Bit(info->dls_serpath[i].dls_name);
        }
    }
    dlclose(program);
    return directories;
}

QString firstDirectoryHolding(const QString &fileName, const QStringList &directories) {
    for (const QString &directory : directories) {
        // An empty entry stands for the current directory, as for the loader.
        const QString base = directory.isEmpty() ? QStringLiteral(".") : directory;
        if (QFileInfo(base + u'/' + fileName).isFile()) return base;
    }
    return {};
}

}  // namespace talvex

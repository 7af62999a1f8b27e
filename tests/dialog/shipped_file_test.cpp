// Where the About and Setup links find README.md and LICENSE: never in the source
// tree the program was built from, which an installed program cannot rely on.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "dialog_parts.h"

namespace {

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(ShippedFile, FoundInTheDataOrTheDocumentFolderOnly)
{
    struct Case {
        const char* what;
        std::vector<const char*> files; // relative to the prefix
        const char* expected;           // relative to the prefix, "" for none
    };
    const Case cases[] = {
        {"installed under a prefix", {"share/doc/morvane3/README.md"}, "share/doc/morvane3/README.md"},
        {"beside the data wins",
         {"share/morvane3/README.md", "share/doc/morvane3/README.md"},
         "share/morvane3/README.md"},
        {"another package's documents", {"share/doc/other/README.md", "share/README.md"}, ""},
        {"nowhere", {}, ""},
    };
    for (const Case& c : cases) {
        QTemporaryDir prefix;
        QDir().mkpath(prefix.filePath(QStringLiteral("share/morvane3")));
        for (const char* file : c.files)
            touch(prefix.filePath(QLatin1String(file)));
        const QString found = morvane::shippedFile(prefix.filePath(QStringLiteral("share/morvane3/")), "README.md");
        const QString expected = *c.expected ? QDir::cleanPath(prefix.filePath(QLatin1String(c.expected))) : QString();
        EXPECT_EQ(found, expected) << c.what;
    }
}

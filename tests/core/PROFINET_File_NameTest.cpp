// The GSDML file name: its parts, the date, and the file written under it.
#include "ConfigImageTestSupport.h"

#include "core/ExportDialogs.h"
#include "core/PROFINET_File_Name.h"
#include "core/PROFINET_GSDML.h"
#include "platform/rtl/DateTime.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(PROFINET_File_Name, Composition)
{
    const QString fix1 = PROFINET_Name_Fix1();
    const QString fix2 = PROFINET_Name_Fix2(EncodeDate(2026, 3, 5));
    EXPECT_EQ(fix1, QStringLiteral("GSDML-V2.31-Velmora-ZT38R14"));
    EXPECT_EQ(fix2, QStringLiteral("-20260305.xml"));
    EXPECT_EQ(PROFINET_Name_Fix2(EncodeDate(2027, 12, 31)), QStringLiteral("-20271231.xml"));
    const struct {
        const char* User;
        const char* Name;
    } cases[] = {
        {"", "GSDML-V2.31-Velmora-ZT38R14-20260305.xml"},
        {"   ", "GSDML-V2.31-Velmora-ZT38R14-20260305.xml"},
        {"_Plant", "GSDML-V2.31-Velmora-ZT38R14_Plant-20260305.xml"},
        {"Plant", "GSDML-V2.31-Velmora-ZT38R14_Plant-20260305.xml"},
        {" Plant ", "GSDML-V2.31-Velmora-ZT38R14_ Plant -20260305.xml"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PROFINET_File_Name(fix1, QString::fromLatin1(c.User), fix2), QString::fromLatin1(c.Name)) << c.User;
}

TEST(PROFINET_File_Name, TheExportWritesUnderTheComposedName)
{
    QTemporaryDir conf, target;
    ASSERT_TRUE(conf.isValid() && target.isValid());
    TConfigFolder folder(conf.path());
    On_Export_Save_Dialog = [&](TSave_Dialog_Request& r) {
        r.FileName = target.filePath(QStringLiteral("typed.xml"));
        return true;
    };
    const QString name = PROFINET_File_Name(PROFINET_Name_Fix1(), QStringLiteral("Hall 2"),
                                            PROFINET_Name_Fix2(EncodeDate(2026, 11, 9)));
    EXPECT_NO_THROW(Save_GSDML_File(name));
    On_Export_Save_Dialog = nullptr;
    EXPECT_EQ(QDir(target.path()).entryList(QDir::Files),
              QStringList({"GSDML-V2.31-Velmora-ZT38R14_Hall 2-20261109.xml"}));
}

} // namespace

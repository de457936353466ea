#include <gtest/gtest.h>

#include "system/CommandLine.h"
#include "system/DriveMap.h"

using zvsys::DriveMap;
using zvsys::SplitCommandLine;
using V = std::vector<std::string>;

TEST(SplitCommandLine, FollowsTheWindowsRules) {
    EXPECT_EQ(SplitCommandLine(""), V{});
    EXPECT_EQ(SplitCommandLine("wmic product where \"name like 'Cliente Vorix Modular V%'\" call uninstall /nointeractive"),
              (V{"wmic", "product", "where", "name like 'Cliente Vorix Modular V%'", "call", "uninstall",
                 "/nointeractive"}));
    // The program name takes no escapes; quotes only group.
    EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\a\\\" x"), (V{"C:\\Program Files\\a\\", "x"}));
    EXPECT_EQ(SplitCommandLine("p a\\\\\"b c\" d"), (V{"p", "a\\b c", "d"}));
    EXPECT_EQ(SplitCommandLine("p a\\\\\\\"b"), (V{"p", "a\\\"b"}));
    EXPECT_EQ(SplitCommandLine("p a\\b\\\\ \"x\"\"y\""), (V{"p", "a\\b\\\\", "x\"y"}));
    EXPECT_EQ(SplitCommandLine("p\t  \"\"  "), (V{"p", ""}));
    // A backslash before the closing quote escapes it: the quote stays open to the end.
    EXPECT_EQ(SplitCommandLine("msiexec.exe /I \"C:\\Inst\\c.msi\" INSTALLDIR=\"C:\\Client\\\""),
              (V{"msiexec.exe", "/I", "C:\\Inst\\c.msi", "INSTALLDIR=C:\\Client\""}));
}

TEST(DriveMap, MapsDriveLettersUnderTheRootAndBack) {
    DriveMap m("/tmp/root/");
    EXPECT_EQ(m.ToLocal("C:\\Client\\Cliente.ini"), "/tmp/root/C/Client/Cliente.ini");
    EXPECT_EQ(m.ToLocal("d:\\x"), "/tmp/root/D/x");
    EXPECT_EQ(m.ToLocal("C:"), "/tmp/root/C");
    EXPECT_EQ(m.ToLocal("C:rel"), "/tmp/root/C/rel");
    EXPECT_EQ(m.ToLocal("/opt/inst\\Setup.ini"), "/opt/inst/Setup.ini");
    EXPECT_EQ(m.ToLocal("rel\\a"), "rel/a");
    EXPECT_EQ(m.ToLocal("\\Cliente.ini"), "/tmp/root/C/Cliente.ini");
    EXPECT_EQ(m.ToWindows("/tmp/root/C/Instalador"), "C:\\Instalador");
    EXPECT_EQ(m.ToWindows("/tmp/root/C"), "C:\\");
    EXPECT_EQ(m.ToWindows("/tmp/root/CC/x"), "/tmp/root/CC/x");
    EXPECT_EQ(m.ToWindows("/opt/bin"), "/opt/bin");
}

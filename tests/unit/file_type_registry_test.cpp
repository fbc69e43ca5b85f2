#include <gtest/gtest.h>

#include "memory_registry.h"
#include "settings/file_type_registry.h"

namespace {

const std::string kProgId = "Quenby_Lumaplay";
const std::string kExe = "C:\\Program Files\\Lumaplay\\Lumaplay.exe";

// What the settings dialog does when the box is ticked, and when it is cleared.
bool TurnOn(CFileTypeRegistry& types) {
    types.UnregisterFileType(kProgId, ".pch");
    return types.RegisterFileType(kProgId, ".pch", kExe, 7, "Lumaplay-PaintBBS-PCH");
}
bool TurnOff(CFileTypeRegistry& types) {
    return types.UnregisterFileType(kProgId, ".pch");
}

struct Family {
    bool nt;
    std::string root; // where the classes live
};
const Family kFamilies[] = {{true, "HKCU\\Software\\Classes"}, {false, "HKCR"}};

TEST(FileTypeRegistry, FirstAssociationWritesTheLayoutAndLeavesNothingWhenRemoved) {
    for (const Family& f : kFamilies) {
        MemoryRegistry reg(f.nt);
        reg.PutKey(f.root);
        const std::size_t keysBefore = reg.KeyCount();
        CFileTypeRegistry types(reg);
        ASSERT_TRUE(TurnOn(types)) << f.root;
        EXPECT_EQ(reg.Get(f.root + "\\.pch", ""), kProgId);
        EXPECT_EQ(reg.Get(f.root + "\\.pch", kProgId), "<no value>");
        EXPECT_EQ(reg.Get(f.root + "\\" + kProgId, ""), "Lumaplay-PaintBBS-PCH");
        // A path with blanks: quoted in the command, bare in the icon.
        EXPECT_EQ(reg.Get(f.root + "\\" + kProgId + "\\shell\\open\\command", ""),
                  "\"C:\\Program Files\\Lumaplay\\Lumaplay.exe\" \"%1\"");
        EXPECT_EQ(reg.Get(f.root + "\\" + kProgId + "\\DefaultIcon", ""),
                  "C:\\Program Files\\Lumaplay\\Lumaplay.exe,7");
        EXPECT_EQ(reg.notifications, 2);
        EXPECT_EQ(reg.OpenKeys(), 0u);

        ASSERT_TRUE(TurnOff(types));
        EXPECT_FALSE(reg.Has(f.root + "\\.pch")) << f.root;
        EXPECT_FALSE(reg.Has(f.root + "\\" + kProgId)) << f.root;
        EXPECT_EQ(reg.KeyCount(), keysBefore) << f.root;
        EXPECT_EQ(reg.OpenKeys(), 0u);
    }
}

TEST(FileTypeRegistry, AnotherProgramsAssociationComesBack) {
    for (const Family& f : kFamilies) {
        for (bool withSubkey : {false, true}) {
            MemoryRegistry reg(f.nt);
            reg.Put(f.root + "\\.pch", "", "Other.Viewer");
            if (withSubkey)
                reg.PutKey(f.root + "\\.pch\\OpenWithProgids");
            reg.Put(f.root + "\\Other.Viewer\\shell\\open\\command", "", "other.exe \"%1\"");
            CFileTypeRegistry types(reg);
            const std::string label = f.root + (withSubkey ? " with subkey" : " plain");

            ASSERT_TRUE(TurnOn(types)) << label;
            EXPECT_EQ(reg.Get(f.root + "\\.pch", ""), kProgId) << label;
            EXPECT_EQ(reg.Get(f.root + "\\.pch", kProgId), "Other.Viewer") << label;

            ASSERT_TRUE(TurnOff(types)) << label;
            EXPECT_EQ(reg.Get(f.root + "\\.pch", ""), "Other.Viewer") << label;
            EXPECT_EQ(reg.Get(f.root + "\\.pch", kProgId), "<no value>") << label;
            EXPECT_EQ(reg.Has(f.root + "\\.pch\\OpenWithProgids"), withSubkey) << label;
            EXPECT_EQ(reg.Get(f.root + "\\Other.Viewer\\shell\\open\\command", ""),
                      "other.exe \"%1\"")
                << label;
            EXPECT_FALSE(reg.Has(f.root + "\\" + kProgId)) << label;
            EXPECT_EQ(reg.OpenKeys(), 0u);
        }
    }
}

TEST(FileTypeRegistry, RemovalLeavesAnAssociationMadeAfterOurs) {
    MemoryRegistry reg(true);
    const std::string root = "HKCU\\Software\\Classes";
    reg.Put(root + "\\.pch", "", "First.Viewer");
    CFileTypeRegistry types(reg);
    ASSERT_TRUE(TurnOn(types));
    reg.Put(root + "\\.pch", "", "Later.Viewer"); // another program took the extension
    ASSERT_TRUE(TurnOff(types));
    EXPECT_EQ(reg.Get(root + "\\.pch", ""), "Later.Viewer");
    EXPECT_EQ(reg.Get(root + "\\.pch", kProgId), "<no value>");
}

TEST(FileTypeRegistry, OurExtensionKeyWithSubkeysKeepsNoPointerToUs) {
    MemoryRegistry reg(true);
    const std::string root = "HKCU\\Software\\Classes";
    CFileTypeRegistry types(reg);
    ASSERT_TRUE(TurnOn(types));
    reg.PutKey(root + "\\.pch\\OpenWithList");
    ASSERT_TRUE(TurnOff(types));
    EXPECT_TRUE(reg.Has(root + "\\.pch"));
    EXPECT_EQ(reg.Get(root + "\\.pch", ""), "<no value>");
}

TEST(FileTypeRegistry, ExistingProgIdMakesRegistrationFail) {
    MemoryRegistry reg(true);
    const std::string root = "HKCU\\Software\\Classes";
    // A ProgID key with a further subkey survives the removal run.
    reg.Put(root + "\\" + kProgId + "\\shell\\print\\command", "", "x");
    CFileTypeRegistry types(reg);
    EXPECT_FALSE(TurnOn(types));
    EXPECT_TRUE(reg.Has(root + "\\.pch"));
    EXPECT_EQ(reg.Get(root + "\\.pch", ""), "<no value>");
    EXPECT_EQ(reg.Get(root + "\\" + kProgId, ""), "<no value>");
    EXPECT_EQ(reg.notifications, 1); // only the removal run succeeded
    EXPECT_EQ(reg.OpenKeys(), 0u);
}

TEST(FileTypeRegistry, DefaultAlreadyOursWritesOnlyTheProgIdValues) {
    MemoryRegistry reg(true);
    const std::string root = "HKCU\\Software\\Classes";
    reg.Put(root + "\\.pch", "", kProgId);
    CFileTypeRegistry types(reg);
    ASSERT_TRUE(types.RegisterFileType(kProgId, ".pch", kExe, 7, "Lumaplay-PaintBBS-PCH"));
    EXPECT_EQ(reg.Get(root + "\\.pch", ""), kProgId);
    EXPECT_EQ(reg.Get(root + "\\.pch", kProgId), "<no value>");
    EXPECT_EQ(reg.Get(root + "\\" + kProgId, ""), "Lumaplay-PaintBBS-PCH");
}

TEST(FileTypeRegistry, FailedWritesCloseEveryKeyAndSendNoNotification) {
    MemoryRegistry reg(true);
    reg.m_failWrites = true;
    CFileTypeRegistry types(reg);
    EXPECT_FALSE(
        types.RegisterFileType("Quenby_LumaplaySPCH", ".spch", kExe, 9, "Lumaplay-ShiPaint-SPCH"));
    EXPECT_EQ(reg.notifications, 0);
    EXPECT_EQ(reg.OpenKeys(), 0u);
}

} // namespace

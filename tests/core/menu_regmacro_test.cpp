#include "menu/regmacro.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "menu_memory_registry.h"
#include "tests/common/tempfile.h"

namespace {

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;

struct ParseCase {
    const char* text;
    TRegistryMacro expected;
};

class RegistryMacroParsing : public testing::TestWithParam<ParseCase> {};

TEST_P(RegistryMacroParsing, CutsPiecesAtFixedPositions) {
    const TRegistryMacro macro = ParseRegistryMacro(GetParam().text);
    const TRegistryMacro& expected = GetParam().expected;
    EXPECT_EQ(macro.RootToken, expected.RootToken);
    EXPECT_EQ(macro.KeyPath, expected.KeyPath);
    EXPECT_EQ(macro.ValueName, expected.ValueName);
    EXPECT_EQ(macro.Fallback, expected.Fallback);
    EXPECT_EQ(macro.FileSuffix, expected.FileSuffix);
}

INSTANTIATE_TEST_SUITE_P(
    Positions,
    RegistryMacroParsing,
    testing::Values(
        ParseCase{R"($REG$HKLMSoftware\Maker\Viewer$KEY$Path$DEF$viewer\viewer.exe$EXENAME$\viewer.exe)",
                  {"HKLM", R"(Software\Maker\Viewer)", "Path", R"(viewer\viewer.exe)", R"(\viewer.exe)"}},
        // Without "$EXENAME$" the fallback runs to the end and there is no suffix.
        ParseCase{R"($REG$HKCUSoftware\A$KEY$Dir$DEF$a\b.exe)", {"HKCU", R"(Software\A)", "Dir", R"(a\b.exe)", ""}},
        // Without "$DEF$" and "$EXENAME$" the value name runs to the end.
        ParseCase{R"($REG$HKCUSoftware\A$KEY$Install Dir)", {"HKCU", R"(Software\A)", "Install Dir", "", ""}},
        // "$EXENAME$" without "$DEF$": the value name runs to the end, the suffix still follows its marker.
        ParseCase{R"($REG$HKCUK$KEY$V$EXENAME$\x.exe)", {"HKCU", "K", R"(V$EXENAME$\x.exe)", "", R"(\x.exe)"}},
        // Without "$KEY$" the key path is empty and the value name starts at character 5.
        ParseCase{R"($REG$HKCUabc$DEF$fb$EXENAME$\s.exe)", {"HKCU", "", "$HKCUabc", "fb", R"(\s.exe)"}},
        // The root token is exactly four characters, whatever they are.
        ParseCase{R"($REG$HKEY_LOCAL_MACHINE\Soft$KEY$V$DEF$f)", {"HKEY", R"(_LOCAL_MACHINE\Soft)", "V", "f", ""}},
        ParseCase{R"($REG$HKLM\Software\A$KEY$V$DEF$$EXENAME$)", {"HKLM", R"(\Software\A)", "V", "", ""}},
        // A marker not at the start still gives pieces at the fixed positions.
        ParseCase{R"(C:\$REG$HKLMSoft$KEY$V$DEF$fb)", {"EG$H", "KLMSoft", "V", "fb", ""}},
        // Texts too short for their pieces.
        ParseCase{"$REG$", {"", "", "$", "", ""}},
        ParseCase{"$REG$HK", {"HK", "", "$HK", "", ""}},
        ParseCase{"$REG$HKLM$KEY$", {"HKLM", "", "", "", ""}},
        // Markers out of order give empty pieces rather than reversed ones.
        ParseCase{"$REG$HKLMk$DEF$fb$KEY$v", {"HKLM", "k$DEF$fb", "", "fb$KEY$v", ""}},
        ParseCase{"$REG$HKLMk$KEY$v$EXENAME$s$DEF$fb", {"HKLM", "k", "v$EXENAME$s", "", "s$DEF$fb"}},
        // Only the first occurrence of each marker counts.
        ParseCase{"$REG$HKLMa$KEY$b$KEY$c$DEF$d$DEF$e", {"HKLM", "a", "b$KEY$c", "d$DEF$e", ""}}));

TEST(RegistryMacroRecognition, NeedsTheUpperCaseMarkerAnywhere) {
    EXPECT_TRUE(IsRegistryMacro("$REG$HKLMa$KEY$b"));
    EXPECT_TRUE(IsRegistryMacro(R"(C:\x$REG$)"));
    EXPECT_FALSE(IsRegistryMacro("$reg$HKLMa$KEY$b"));
    EXPECT_FALSE(IsRegistryMacro("$Reg$HKLMa$KEY$b"));
    EXPECT_FALSE(IsRegistryMacro("$REG"));
    EXPECT_FALSE(IsRegistryMacro(""));
}

TEST(RegistryMacroRoot, OnlyHklmSelectsTheMachine) {
    EXPECT_EQ(RegistryRootOf("HKLM"), kMachine);
    for (const char* token : {"HKCR", "HKCU", "hklm", "HKlm", "HKU ", "HKEY", "HKL", ""})
        EXPECT_EQ(RegistryRootOf(token), kUser) << token;
    EXPECT_EQ(static_cast<uint32_t>(kUser), 0x80000001u);
    EXPECT_EQ(static_cast<uint32_t>(kMachine), 0x80000002u);
}

class RegistryMacroResolution : public testing::Test {
protected:
    RegistryMacroResolution() {
        app_ = files_.MakeFolder("App");
        files_.Write("App/app.exe", "MZ");
        files_.MakeFolder("App/folder.exe");
        registry_.SetString(kMachine, R"(Software\Maker)", "Path", app_);
        registry_.SetString(kMachine, R"(Software\Maker)", "Exe", files_ / "App/app.exe");
        registry_.SetNonString(kMachine, R"(Software\Maker)", "Number");
        registry_.AddKey(kMachine, R"(Software\Empty)");
    }
    std::string Resolve(const std::string& text) { return ResolveRegistryMacro(text, registry_); }

    TTempFolder files_;
    std::string app_;
    TMemoryRegistry registry_;
};

TEST_F(RegistryMacroResolution, LeavesOtherTextsUnchanged) {
    for (const char* text : {"", R"(setup\setup.exe)", R"($reg$HKLMSoftware\Maker$KEY$Path$DEF$fb)", "$REG"})
        EXPECT_EQ(Resolve(text), text);
    EXPECT_TRUE(registry_.opened.empty());
}

TEST_F(RegistryMacroResolution, TakesAnExistingCandidateOverTheFallback) {
    EXPECT_EQ(Resolve(R"($REG$HKLMSoftware\Maker$KEY$Path$DEF$fallback.exe$EXENAME$\app.exe)"), app_ + R"(\app.exe)");
    // A value that names the whole file needs no suffix.
    EXPECT_EQ(Resolve(R"($REG$HKLMSoftware\Maker$KEY$Exe$DEF$fallback.exe)"), files_ / "App/app.exe");
}

TEST_F(RegistryMacroResolution, FallsBackWhenTheCandidateIsMissing) {
    EXPECT_EQ(Resolve(R"($REG$HKLMSoftware\Maker$KEY$Path$DEF$fb\x.exe$EXENAME$\missing.exe)"), R"(fb\x.exe)");
}

TEST_F(RegistryMacroResolution, AFolderIsNoCandidate) {
    EXPECT_EQ(Resolve(R"($REG$HKLMSoftware\Maker$KEY$Path$DEF$fb.exe$EXENAME$\folder.exe)"), "fb.exe");
}

TEST_F(RegistryMacroResolution, KeepsAMissingCandidateWithoutFallback) {
    EXPECT_EQ(Resolve(R"($REG$HKLMSoftware\Maker$KEY$Path$DEF$$EXENAME$\missing.exe)"), app_ + R"(\missing.exe)");
    EXPECT_EQ(Resolve(R"($REG$HKLMSoftware\Maker$KEY$Path)"), app_);
}

TEST_F(RegistryMacroResolution, MissingValueGivesTheSuffixAlone) {
    EXPECT_EQ(Resolve(R"($REG$HKLMSoftware\Empty$KEY$Path$DEF$$EXENAME$\setup.exe)"), R"(\setup.exe)");
    EXPECT_EQ(Resolve(R"($REG$HKLMSoftware\Empty$KEY$Path$DEF$fb.exe$EXENAME$\setup.exe)"), "fb.exe");
}

TEST_F(RegistryMacroResolution, MissingKeyGivesTheFallbackEvenWhenEmpty) {
    EXPECT_EQ(Resolve(R"($REG$HKLMSoftware\Nobody$KEY$Path$DEF$fb\x.exe$EXENAME$\app.exe)"), R"(fb\x.exe)");
    EXPECT_EQ(Resolve(R"($REG$HKLMSoftware\Nobody$KEY$Path$DEF$$EXENAME$\app.exe)"), "");
}

TEST_F(RegistryMacroResolution, WrongValueTypeLeavesTheFallback) {
    EXPECT_EQ(Resolve(R"($REG$HKLMSoftware\Maker$KEY$Number$DEF$fb.exe$EXENAME$\app.exe)"), "fb.exe");
    // Without a fallback the result stays empty: the candidate was never formed.
    EXPECT_EQ(Resolve(R"($REG$HKLMSoftware\Maker$KEY$Number$DEF$$EXENAME$\app.exe)"), "");
}

TEST_F(RegistryMacroResolution, HkcrAndUnknownTokensReadTheCurrentUser) {
    registry_.SetString(kUser, R"(Software\Maker)", "Path", files_ / "App");
    registry_.SetString(kMachine, R"(Software\Maker)", "Path", files_ / "Elsewhere");
    for (const char* token : {"HKCR", "HKCU", "hklm", "ABCD"}) {
        const std::string text = std::string("$REG$") + token + R"(Software\Maker$KEY$Path$DEF$fb$EXENAME$\app.exe)";
        EXPECT_EQ(Resolve(text), app_ + R"(\app.exe)") << token;
        EXPECT_EQ(registry_.opened.back().first, kUser) << token;
    }
}

TEST_F(RegistryMacroResolution, DropsOneLeadingBackslashOfTheKeyPath) {
    Resolve(R"($REG$HKLM\Software\Maker$KEY$Path$DEF$fb)");
    Resolve(R"($REG$HKLM\\Software\Maker$KEY$Path$DEF$fb)");
    ASSERT_EQ(registry_.opened.size(), 2u);
    EXPECT_EQ(registry_.opened[0].second, R"(Software\Maker)");
    EXPECT_EQ(registry_.opened[1].second, R"(\Software\Maker)");
}

TEST_F(RegistryMacroResolution, MarkerInsideTheTextFallsBackToThePieceAtItsPosition) {
    EXPECT_EQ(Resolve(R"(C:\$REG$HKLMSoftware\Maker$KEY$Path$DEF$fb.exe$EXENAME$\app.exe)"), "fb.exe");
    EXPECT_EQ(registry_.opened.back(), std::make_pair(kUser, std::string(R"(KLMSoftware\Maker)")));
}

TEST_F(RegistryMacroResolution, FallbackIsNeitherTestedNorResolvedAgain) {
    const std::string inner = R"($REG$HKLMSoftware\Maker$KEY$Path)";
    EXPECT_EQ(Resolve(R"($REG$HKLMSoftware\Nobody$KEY$Path$DEF$)" + inner), inner);
    EXPECT_EQ(registry_.opened.size(), 1u);
}

TEST_F(RegistryMacroResolution, RelativeCandidateIsLookedUpInTheCurrentFolder) {
    registry_.SetString(kUser, "Software\\Relative", "Dir", "App");
    const TCurrentFolder inside(files_.Path());
    EXPECT_EQ(Resolve(R"($REG$HKCUSoftware\Relative$KEY$Dir$DEF$fb$EXENAME$\app.exe)"), R"(App\app.exe)");
    EXPECT_EQ(Resolve(R"($REG$HKCUSoftware\Relative$KEY$Dir$DEF$fb$EXENAME$\other.exe)"), "fb");
}

TEST(RegistryMacroFailures, AnyRegistryErrorLeavesTheFallback) {
    class TFailingRegistry final : public TRegistryReader {
    public:
        std::unique_ptr<TRegistryKey> OpenKey(RegistryRoot, const std::string&) override {
            throw std::runtime_error("registry unavailable");
        }
    } registry;
    EXPECT_EQ(ResolveRegistryMacro(R"($REG$HKLMSoftware\A$KEY$V$DEF$fb.exe$EXENAME$\a.exe)", registry), "fb.exe");
}

TEST(RegistryMacroFailures, HostWithoutRegistryAlwaysFallsBack) {
    const std::unique_ptr<TRegistryReader> registry = PlatformRegistry();
    EXPECT_EQ(ResolveRegistryMacro(R"($REG$HKCUSoftware$KEY$V$DEF$fb.exe$EXENAME$\a.exe)", *registry), "fb.exe");
}

}  // namespace

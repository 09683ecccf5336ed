// Registration of the calendar library in a temporary class registry, creation by ProgID and
// class id through the hosting layer, and what happens when the registry or the library is not
// what it should be. The library is registered from a copy in a temporary folder, so the registry,
// not the manifest beside the test program, is what finds it.
#include "automation/class_factory.h"
#include "automation/hosting.h"
#include "automation/registry_file.h"
#include "calendar/calendar_interface.h"
#include "temporary_data_home.h"

#include <cstdio>
#include <dlfcn.h>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace guheng::automation;
using namespace guheng::calendar;

namespace {

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const std::filesystem::path& file, std::string_view text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

bool isLoaded(const std::filesystem::path& library) {
    void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        ::dlclose(handle);
    return handle != nullptr;
}

// A library that loads but serves no class: the C library, wherever this system keeps it.
std::string plainLibrary() {
    Dl_info libc{};
    if (::dladdr(reinterpret_cast<void*>(&::fopen), &libc) == 0 || !libc.dli_fname)
        return {};
    return libc.dli_fname;
}

// Calls one entry point of a library the way regsvr does, and lets the library go again.
HRESULT callEntryPoint(const std::filesystem::path& library, const char* name) {
    void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return CO_E_DLLNOTFOUND;
    auto entry = reinterpret_cast<DllRegisterServerFunction>(::dlsym(handle, name));
    HRESULT status = entry ? entry() : E_NOTIMPL;
    ::dlclose(handle);
    return status;
}

class Registration : public ::testing::Test {
  protected:
    void SetUp() override {
        copy = dataHome.folder() / "copy" / "calendar.so";
        std::filesystem::create_directories(copy.parent_path());
        std::filesystem::copy_file(CALENDAR_LIBRARY, copy);
    }

    HRESULT registerCopy() { return callEntryPoint(copy, DllRegisterServerName); }
    HRESULT unregisterCopy() { return callEntryPoint(copy, DllUnregisterServerName); }

    TemporaryDataHome dataHome;
    std::filesystem::path copy;
};

// Another server's entries, which our registration must never disturb.
constexpr std::string_view OtherServer =
    "guheng-class-registry 1\n"
    "CLSID/{11111111-2222-3333-4444-555555555555}\tClock\n"
    "CLSID/{11111111-2222-3333-4444-555555555555}/InprocServer32\t/opt/clock.so\n"
    "CLSID/{8621F080-4CC0-403B-97CD-FDB25021B84C}2\tlook-alike key\n"
    "Other.Clock/CLSID\t{11111111-2222-3333-4444-555555555555}\n";

TEST_F(Registration, RegisterCreateByNameAndUnregisterOnlyOurs) {
    writeFile(dataHome.registryFile(), OtherServer);
    ASSERT_EQ(registerCopy(), S_OK);
    RegistryRead registered = readRegistryFile(dataHome.registryFile());
    ASSERT_EQ(registered.status, S_OK);
    EXPECT_EQ(registered.entries.at("星台.Calendar/CLSID"), "{8621F080-4CC0-403B-97CD-FDB25021B84C}");
    EXPECT_EQ(registered.entries.at("CLSID/{8621F080-4CC0-403B-97CD-FDB25021B84C}/InprocServer32"),
              copy.string());
    EXPECT_EQ(registered.entries.at("CLSID/{11111111-2222-3333-4444-555555555555}/InprocServer32"),
              "/opt/clock.so");
    EXPECT_FALSE(isLoaded(copy));

    for (std::u16string_view name :
         {CalendarProgId, std::u16string_view(u"{8621f080-4cc0-403b-97cd-fdb25021b84c}")}) {
        HostingResult created = createControl(name, nullptr, nullptr);
        ASSERT_EQ(created.status, S_OK) << statusMessage(created.status);
        EXPECT_TRUE(isLoaded(copy)) << "created from the registered library";
        created.control.reset();
        EXPECT_FALSE(isLoaded(copy)) << "unloaded once the last control is gone";
    }

    ASSERT_EQ(unregisterCopy(), S_OK);
    EXPECT_EQ(readFile(dataHome.registryFile()), OtherServer);
}

TEST_F(Registration, RegisteringAgainChangesNothing) {
    ASSERT_EQ(registerCopy(), S_OK);
    std::string once = readFile(dataHome.registryFile());
    ASSERT_EQ(registerCopy(), S_OK);
    ASSERT_EQ(registerCopy(), S_OK);
    EXPECT_EQ(readFile(dataHome.registryFile()), once);
}

TEST_F(Registration, ARegistryThatCannotBeWrittenIsReported) {
    const std::filesystem::path blocker = dataHome.folder() / "blocker";
    writeFile(blocker, "a file where the registry folder should be");
    ::setenv("XDG_DATA_HOME", blocker.c_str(), 1); // put back by dataHome
    EXPECT_EQ(registerCopy(), REGDB_E_WRITEREGDB);
    EXPECT_EQ(readFile(blocker), "a file where the registry folder should be");
}

TEST_F(Registration, UnregisteringWithoutARegistryIsNoError) {
    EXPECT_EQ(unregisterCopy(), S_OK);
    EXPECT_FALSE(std::filesystem::exists(dataHome.registryFile()));
}

TEST_F(Registration, TheManifestBesideTheProgramAgreesWithTheRegistration) {
    ASSERT_EQ(registerCopy(), S_OK);
    RegistryEntries registered = readRegistryFile(dataHome.registryFile()).entries;
    RegistryRead manifest =
        readRegistryFile(std::filesystem::path(CALENDAR_LIBRARY).parent_path() / "calendar.manifest");
    ASSERT_EQ(manifest.status, S_OK);
    ASSERT_FALSE(manifest.entries.empty());
    for (const auto& [key, value] : manifest.entries) {
        ASSERT_TRUE(registered.contains(key)) << key;
        bool isLibrary = key.ends_with("/InprocServer32");
        EXPECT_EQ(isLibrary ? std::filesystem::path(registered[key]).filename().string() : registered[key],
                  value);
    }
}

struct CorruptFile {
    const char* name;
    std::string text;
};

class CorruptRegistry : public Registration, public ::testing::WithParamInterface<CorruptFile> {};

TEST_P(CorruptRegistry, IsReportedNeverOverwrittenAndCreationFallsBackToTheManifest) {
    writeFile(dataHome.registryFile(), GetParam().text);
    EXPECT_EQ(registerCopy(), REGDB_E_READREGDB);
    EXPECT_EQ(unregisterCopy(), REGDB_E_READREGDB);
    EXPECT_EQ(readFile(dataHome.registryFile()), GetParam().text);

    HostingResult created = createControl(CalendarProgId, nullptr, nullptr);
    EXPECT_EQ(created.status, S_OK) << statusMessage(created.status);
    EXPECT_EQ(createControl(u"Other.Clock", nullptr, nullptr).status, REGDB_E_READREGDB);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CorruptRegistry,
    ::testing::Values(CorruptFile{"empty", ""}, CorruptFile{"no_header", "CLSID/{x}\tvalue\n"},
                      CorruptFile{"cut_short", std::string(OtherServer.substr(0, OtherServer.size() - 7))},
                      CorruptFile{"line_without_value", "guheng-class-registry 1\nCLSID\n"},
                      CorruptFile{"bad_escape", "guheng-class-registry 1\nkey\tvalue\\q\n"},
                      CorruptFile{"key_twice", "guheng-class-registry 1\nkey\ta\nkey\tb\n"},
                      CorruptFile{"not_utf8", "guheng-class-registry 1\nkey\t\xff\xfe\n"},
                      CorruptFile{"binary", std::string("\0\x01\x02\n", 4)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Registration, LibraryMovedAfterRegistrationFallsBackToTheOneBesideTheProgram) {
    ASSERT_EQ(registerCopy(), S_OK);
    std::filesystem::rename(copy, copy.parent_path() / "moved.so");
    HostingResult created = createControl(CalendarProgId, nullptr, nullptr);
    EXPECT_EQ(created.status, S_OK) << statusMessage(created.status);
}

struct LookupCase {
    const char* name;
    std::u16string className;
    HRESULT expected;
};

class ClassLookup : public Registration, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(ClassLookup, FailsClearly) {
    const std::string plain = plainLibrary();
    ASSERT_FALSE(plain.empty());
    writeFile(dataHome.registryFile(),
              "guheng-class-registry 1\n"
              "Gone.Clock/CLSID\t{11111111-2222-3333-4444-555555555555}\n"
              "CLSID/{11111111-2222-3333-4444-555555555555}/InprocServer32\t/nowhere/clock.so\n"
              "Plain.Library/CLSID\t{11111111-2222-3333-4444-666666666666}\n"
              "CLSID/{11111111-2222-3333-4444-666666666666}/InprocServer32\t" +
                  plain + "\n");
    HostingResult created = createControl(GetParam().className, nullptr, nullptr);
    EXPECT_EQ(created.status, GetParam().expected) << statusMessage(created.status);
    EXPECT_FALSE(created.control);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ClassLookup,
    ::testing::Values(LookupCase{"unknown_ProgID", u"Nobody.Clock", CO_E_CLASSSTRING},
                      LookupCase{"empty_name", u"", CO_E_CLASSSTRING},
                      LookupCase{"unknown_class_id", u"{00000000-0000-0000-0000-000000000001}",
                                 REGDB_E_CLASSNOTREG},
                      LookupCase{"library_gone", u"Gone.Clock", CO_E_DLLNOTFOUND},
                      LookupCase{"library_is_no_server", u"Plain.Library", CO_E_ERRORINDLL}),
    [](const auto& info) { return std::string(info.param.name); });

// The command-line tool, run as a user would run it.

struct ToolRun {
    int exitCode;
    std::string output;
};

ToolRun runRegsvr(const std::string& arguments) {
    std::string command = std::string(REGSVR_PROGRAM) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ToolRun run{-1, {}};
    if (!pipe)
        return run;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        run.output += buffer;
    int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST_F(Registration, RegsvrRegistersUnregistersAndSaysWhatWentWrong) {
    const std::string library = copy.string();
    const std::string plain = plainLibrary();
    ASSERT_FALSE(plain.empty());
    struct Step {
        std::string arguments;
        int exitCode;
        std::string message;
        bool registered;
    };
    const Step steps[] = {
        {"", 1, "usage: regsvr [-u] LIBRARY", false},
        {"-x " + library, 1, "usage:", false},
        {library, 0, "DllRegisterServer in " + library + " succeeded", true},
        {library, 0, "succeeded", true},
        {"-u " + library, 0, "DllUnregisterServer in " + library + " succeeded", false},
        {dataHome.folder().string() + "/none.so", 3, "cannot load", false},
        {REGSVR_PROGRAM, 3, "cannot load", false},
        {plain, 4, "has no entry point DllRegisterServer", false},
    };
    for (const Step& step : steps) {
        ToolRun run = runRegsvr(step.arguments);
        EXPECT_EQ(run.exitCode, step.exitCode) << step.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(step.message), std::string::npos) << run.output;
        RegistryRead read = readRegistryFile(dataHome.registryFile());
        EXPECT_EQ(read.entries.contains("星台.Calendar/CLSID"), step.registered) << step.arguments;
    }

    writeFile(dataHome.registryFile(), "corrupt");
    ToolRun run = runRegsvr(library);
    EXPECT_EQ(run.exitCode, 5);
    EXPECT_NE(run.output.find("0x80040150: could not read the class registry"), std::string::npos)
        << run.output;
}

} // namespace

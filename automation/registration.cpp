#include "automation/registration.h"

#include "automation/platform_paths.h"
#include "automation/registry_file.h"
#include "automation/utf.h"

namespace guheng::automation {
namespace {

std::string classKey(const Guid& clsid) {
    return "CLSID/" + toString(clsid);
}
std::string interfaceKey(const InterfaceInfo& interface) {
    return "Interface/" + toString(interface.iid);
}
std::string typeLibKey(const TypeLibInfo& library) {
    return "TypeLib/" + toString(library.libid);
}
std::string versionText(const TypeLibInfo& library) {
    return std::to_string(library.majorVersion) + "." + std::to_string(library.minorVersion);
}

// Every key tree registration writes; unregistering removes exactly these.
std::vector<std::string> ownedKeys(const TypeLibInfo& library) {
    std::vector<std::string> keys{typeLibKey(library)};
    for (const InterfaceInfo& interface : library.interfaces)
        keys.push_back(interfaceKey(interface));
    for (const ClassInfo& cls : library.classes) {
        keys.push_back(classKey(cls.clsid));
        keys.push_back(toUtf8(cls.progId));
    }
    return keys;
}

} // namespace

std::string progIdKey(std::string_view progId) {
    return std::string(progId) + "/CLSID";
}
std::string inprocServerKey(const Guid& clsid) {
    return classKey(clsid) + "/InprocServer32";
}

RegistryEntries registrationEntries(const TypeLibInfo& library, const std::filesystem::path& libraryFile) {
    const std::string file = libraryFile.string();
    const std::string libid = toString(library.libid);
    RegistryEntries entries;
    const std::string typeLib = typeLibKey(library) + "/" + versionText(library);
    entries[typeLib] = toUtf8(library.helpString);
    entries[typeLib + "/0/linux64"] = file;
    for (const InterfaceInfo& interface : library.interfaces) {
        const std::string key = interfaceKey(interface);
        entries[key] = toUtf8(interface.name);
        entries[key + "/TypeLib"] = libid;
    }
    for (const ClassInfo& cls : library.classes) {
        const std::string key = classKey(cls.clsid);
        const std::string progId = toUtf8(cls.progId);
        entries[key] = toUtf8(cls.name);
        entries[key + "/Control"] = "";
        entries[inprocServerKey(cls.clsid)] = file;
        entries[inprocServerKey(cls.clsid) + "/ThreadingModel"] = "Apartment";
        entries[key + "/MiscStatus/1"] = std::to_string(cls.miscStatus);
        entries[key + "/ProgID"] = progId;
        entries[key + "/ToolboxBitmap32"] = file + ",30000";
        entries[key + "/TypeLib"] = libid;
        entries[key + "/Version"] = versionText(library);
        entries[progId] = toUtf8(cls.name);
        entries[progIdKey(progId)] = toString(cls.clsid);
    }
    return entries;
}

HRESULT registerServer(const TypeLibInfo& library, const void* addressInLibrary) {
    auto registry = registryFilePath();
    auto libraryFile = moduleFileOf(addressInLibrary);
    if (!registry || !libraryFile)
        return REGDB_E_WRITEREGDB;
    RegistryEntries ours = registrationEntries(library, *libraryFile);
    return changeRegistryFile(*registry, [&](RegistryEntries& entries) {
        for (const std::string& key : ownedKeys(library))
            removeKeyTree(entries, key);
        entries.merge(ours);
    });
}

HRESULT unregisterServer(const TypeLibInfo& library) {
    auto registry = registryFilePath();
    if (!registry)
        return REGDB_E_WRITEREGDB;
    if (readRegistryFile(*registry).status == S_FALSE)
        return S_OK; // nothing was ever registered
    return changeRegistryFile(*registry, [&](RegistryEntries& entries) {
        for (const std::string& key : ownedKeys(library))
            removeKeyTree(entries, key);
    });
}

} // namespace guheng::automation

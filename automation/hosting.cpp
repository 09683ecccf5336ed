#include "automation/hosting.h"

#include "automation/guid.h"
#include "automation/platform_paths.h"
#include "automation/registration.h"
#include "automation/registry_file.h"
#include "automation/server_library.h"
#include "automation/utf.h"

#include <algorithm>
#include <vector>

namespace guheng::automation {

struct HostingAccess {
    static HostedControl make(std::shared_ptr<ServerLibrary> library, Ref<IDispatch> dispatch,
                              bool sinkAttached) {
        HostedControl control;
        control.library_ = std::move(library);
        control.dispatch_ = std::move(dispatch);
        control.sinkAttached_ = sinkAttached;
        return control;
    }
};

namespace {

struct ClassLookup {
    HRESULT status = REGDB_E_CLASSNOTREG;
    Guid clsid;
    std::filesystem::path library;
};

// Finds the class in one set of entries; relative library paths count from `base`.
ClassLookup lookUp(const RegistryEntries& entries, std::u16string_view name,
                   const std::filesystem::path& base) {
    const std::string text = toUtf8(name);
    auto clsid = parseGuid(text);
    if (!clsid) {
        auto byProgId = entries.find(progIdKey(text));
        clsid = byProgId == entries.end() ? std::nullopt : parseGuid(byProgId->second);
        if (!clsid)
            return {CO_E_CLASSSTRING, {}, {}};
    }
    auto server = entries.find(inprocServerKey(*clsid));
    if (server == entries.end() || server->second.empty())
        return {REGDB_E_CLASSNOTREG, *clsid, {}};
    return {S_OK, *clsid, base / server->second};
}

// The manifests beside the program, in name order, for registration-free creation.
std::vector<std::filesystem::path> manifestsBesideProgram() {
    std::vector<std::filesystem::path> manifests;
    auto folder = programFolder();
    std::error_code error;
    if (!folder)
        return manifests;
    for (auto it = std::filesystem::directory_iterator(*folder, error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (it->path().extension() == ".manifest" && it->is_regular_file(error))
            manifests.push_back(it->path());
    }
    std::sort(manifests.begin(), manifests.end());
    return manifests;
}

HRESULT createFrom(const ClassLookup& place, std::shared_ptr<ServerLibrary>* library,
                   Ref<IDispatch>* dispatch) {
    HRESULT status = ServerLibrary::open(place.library, library);
    if (failed(status))
        return status;
    void* rawFactory = nullptr;
    status = (*library)->getClassObject(place.clsid, IClassFactory::iid, &rawFactory);
    if (failed(status))
        return status;
    auto factory = Ref<IClassFactory>::adopt(static_cast<IClassFactory*>(rawFactory));
    void* rawObject = nullptr;
    status = factory->CreateInstance(nullptr, IDispatch::iid, &rawObject);
    if (failed(status))
        return status;
    *dispatch = Ref<IDispatch>::adopt(static_cast<IDispatch*>(rawObject));
    return S_OK;
}

// The registry first; then the manifests beside the program, also when the registered library
// is gone or the registry is unreadable. The registry's answer is reported when nothing works.
HRESULT createObject(std::u16string_view name, std::shared_ptr<ServerLibrary>* library,
                     Ref<IDispatch>* dispatch) {
    HRESULT firstFailure = REGDB_E_CLASSNOTREG;
    if (auto registry = registryFilePath()) {
        RegistryRead read = readRegistryFile(*registry);
        ClassLookup place =
            failed(read.status) ? ClassLookup{read.status, {}, {}} : lookUp(read.entries, name, {});
        firstFailure = failed(place.status) ? place.status : createFrom(place, library, dispatch);
        if (succeeded(firstFailure))
            return firstFailure;
    }
    for (const auto& manifest : manifestsBesideProgram()) {
        RegistryRead read = readRegistryFile(manifest);
        if (failed(read.status))
            continue;
        ClassLookup place = lookUp(read.entries, name, manifest.parent_path());
        if (succeeded(place.status)) {
            HRESULT status = createFrom(place, library, dispatch);
            if (succeeded(status))
                return status;
        }
    }
    return firstFailure;
}

} // namespace

HostingResult createControl(std::u16string_view progIdOrClassId, const PropertyBag* storedBag,
                            IPropertyNotifySink* sink) {
    std::shared_ptr<ServerLibrary> library;
    Ref<IDispatch> dispatch;
    HRESULT status = createObject(progIdOrClassId, &library, &dispatch);
    if (failed(status))
        return {status, {}};

    // From here on the HostedControl releases the object before the library, on any path.
    HostedControl control = HostingAccess::make(std::move(library), dispatch, sink != nullptr);
    auto site = control.query<IControl>();
    auto persist = control.query<IPersistPropertyBag>();
    if (!site || !persist)
        return {E_NOINTERFACE, {}};
    if (sink && failed(status = site->SetSite(sink)))
        return {status, {}};
    if (storedBag) {
        PropertyBag bag = *storedBag;
        status = persist->Load(bag);
    } else {
        status = persist->InitNew();
    }
    if (failed(status))
        return {status, {}};
    return {status, std::move(control)};
}

HostedControl& HostedControl::operator=(HostedControl&& other) noexcept {
    if (this != &other) {
        reset();
        library_ = std::move(other.library_);
        dispatch_ = std::move(other.dispatch_);
        sinkAttached_ = std::exchange(other.sinkAttached_, false);
    }
    return *this;
}

HostedControl::~HostedControl() {
    reset();
}

void HostedControl::reset() {
    if (dispatch_ && sinkAttached_) {
        if (auto site = dispatch_.query<IControl>())
            site->SetSite(nullptr);
    }
    sinkAttached_ = false;
    dispatch_.reset();
    library_.reset();
}

HRESULT HostedControl::get(DispId id, Variant* value) const {
    return dispatch_ ? getProperty(*dispatch_, id, value) : E_POINTER;
}

HRESULT HostedControl::put(DispId id, const Variant& value) const {
    return dispatch_ ? putProperty(*dispatch_, id, value) : E_POINTER;
}

HRESULT HostedControl::call(DispId id) const {
    return dispatch_ ? callMethod(*dispatch_, id) : E_POINTER;
}

HRESULT HostedControl::save(PropertyBag* bag) const {
    if (!bag)
        return E_POINTER;
    auto persist = query<IPersistPropertyBag>();
    return persist ? persist->Save(*bag) : E_POINTER;
}

} // namespace guheng::automation

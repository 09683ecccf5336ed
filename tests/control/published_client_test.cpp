// A client that knows only the published interface declarations: it loads the library itself,
// asks it for the class factory, creates the control and drives it by dispatch id. Nothing of
// the project is linked in.
#include "automation/class_factory.h"
#include "automation/dispatch.h"
#include "automation/persist.h"
#include "automation/variant.h"
#include "calendar/calendar_interface.h"

#include <dlfcn.h>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

using namespace guheng::automation;
using namespace guheng::calendar;

namespace {

class PublishedClient : public ::testing::Test {
  protected:
    void SetUp() override {
        library = ::dlopen(CALENDAR_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << ::dlerror();
        getClassObject = reinterpret_cast<DllGetClassObjectFunction>(::dlsym(library, DllGetClassObjectName));
        canUnloadNow = reinterpret_cast<DllCanUnloadNowFunction>(::dlsym(library, DllCanUnloadNowName));
        ASSERT_TRUE(getClassObject && canUnloadNow);
    }
    void TearDown() override {
        if (library)
            ::dlclose(library);
    }

    Ref<IClassFactory> factory() {
        void* raw = nullptr;
        EXPECT_EQ(getClassObject(&CLSID_Calendar, &IClassFactory::iid, &raw), S_OK);
        return Ref<IClassFactory>::adopt(static_cast<IClassFactory*>(raw));
    }

    Ref<IDispatch> create() {
        void* raw = nullptr;
        EXPECT_EQ(factory()->CreateInstance(nullptr, IDispatch::iid, &raw), S_OK);
        return Ref<IDispatch>::adopt(static_cast<IDispatch*>(raw));
    }

    void* library = nullptr;
    DllGetClassObjectFunction getClassObject = nullptr;
    DllCanUnloadNowFunction canUnloadNow = nullptr;
};

TEST_F(PublishedClient, DrivesTheControlByDispatchId) {
    Ref<IDispatch> calendar = create();
    ASSERT_TRUE(calendar);
    auto persist = calendar.query<IPersistPropertyBag>();
    ASSERT_TRUE(persist);
    ASSERT_EQ(persist->InitNew(), S_OK);

    ASSERT_EQ(putProperty(*calendar, DISPID_DateNow, Variant::fromDate(36923)), S_OK); // 1 February 2001
    ASSERT_EQ(putProperty(*calendar, DISPID_ChineseDateType, Variant::fromI4(1)), S_OK);
    Variant date, ganZhi;
    ASSERT_EQ(getProperty(*calendar, DISPID_ChineseDate, &date), S_OK);
    ASSERT_EQ(getProperty(*calendar, DISPID_ChineseGanZhi, &ganZhi), S_OK);
    EXPECT_EQ(date.i2(), 109);
    EXPECT_EQ(ganZhi.text(), u"辛巳年");
}

TEST_F(PublishedClient, HandsOutOnlyItsOwnClassAndItsOwnInterfaces) {
    void* raw = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(&IDispatch::iid, &IClassFactory::iid, &raw), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(raw, nullptr);
    EXPECT_EQ(getClassObject(&CLSID_Calendar, &IClassFactory::iid, nullptr), E_POINTER);

    Ref<IClassFactory> classFactory = factory();
    EXPECT_EQ(classFactory->CreateInstance(nullptr, LIBID_Xingtai, &raw), E_NOINTERFACE);
    EXPECT_EQ(raw, nullptr);
    EXPECT_EQ(classFactory->CreateInstance(classFactory.get(), IDispatch::iid, &raw), CLASS_E_NOAGGREGATION);

    Ref<IDispatch> calendar = create();
    for (const Guid& iid : {IUnknown::iid, IDispatch::iid, IID__Calendar}) {
        void* face = nullptr;
        EXPECT_EQ(calendar->QueryInterface(iid, &face), S_OK) << iid.data1;
        if (face)
            static_cast<IDispatch*>(face)->Release();
    }
    EXPECT_EQ(calendar->QueryInterface(DIID___Calendar, &raw), E_NOINTERFACE); // it raises no events
}

TEST_F(PublishedClient, CanUnloadOnlyWithoutObjectsAndLocks) {
    EXPECT_EQ(canUnloadNow(), S_OK);
    {
        Ref<IDispatch> calendar = create();
        EXPECT_EQ(canUnloadNow(), S_FALSE) << "an object lives";
        Ref<IDispatch> second = calendar;
        calendar.reset();
        EXPECT_EQ(canUnloadNow(), S_FALSE) << "still referenced";
    }
    EXPECT_EQ(canUnloadNow(), S_OK);
    {
        Ref<IClassFactory> classFactory = factory();
        EXPECT_EQ(canUnloadNow(), S_FALSE) << "a factory lives";
        ASSERT_EQ(classFactory->LockServer(true), S_OK);
        classFactory.reset();
        EXPECT_EQ(canUnloadNow(), S_FALSE) << "the server is locked";
        ASSERT_EQ(factory()->LockServer(false), S_OK);
    }
    EXPECT_EQ(canUnloadNow(), S_OK);
    // An unlock without a lock leaves no debt behind.
    ASSERT_EQ(factory()->LockServer(false), S_OK);
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(PublishedClient, ExportsOnlyTheFourEntryPoints) {
    EXPECT_NE(::dlsym(library, DllRegisterServerName), nullptr);
    EXPECT_NE(::dlsym(library, DllUnregisterServerName), nullptr);
    // The C++ inside stays hidden, e.g. the server's object count.
    EXPECT_EQ(::dlsym(library, "_ZN6guheng10automation6server12canUnloadNowEv"), nullptr);
}

TEST(CalendarLibraryFile, CarriesItsVersionRecord) {
    std::ifstream file(CALENDAR_LIBRARY, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(bytes.find("FileVersion=1.0.0.10\nProductVersion=1.0.0.10\nProductName=星台\n"
                         "InternalName=calendar\n"),
              std::string::npos);
}

} // namespace

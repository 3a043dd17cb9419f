// Connection points and the common automation-object interfaces, driven from C++ with
// recording sinks (no script engine).
#include <gtest/gtest.h>

#include <olectl.h>

#include "IndicatorAutomation.h"
#include "ScriptFakes.h"

namespace {

// A sink that records "name:id" for each call and answers false to events with a result.
class RecordingSink : public IDispatch {
public:
    RecordingSink(CallLog& log, std::string name) : log_(log), name_(std::move(name)) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IDispatch) return E_NOINTERFACE;
        *out = this;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override {
        log_.push_back(name_ + ":" + std::to_string(id) + (flags == DISPATCH_METHOD ? "" : "?"));
        if (result) {
            VariantClear(result);
            V_VT(result) = VT_BOOL;
            V_BOOL(result) = VARIANT_FALSE;
        }
        return S_OK;
    }
    ULONG refs = 1;

private:
    CallLog& log_;
    std::string name_;
};

class ConnectionPointTest : public ::testing::Test {
protected:
    void SetUp() override {
        ComRef<ITypeLib> library;
        ASSERT_EQ(S_OK, LoadTypeLib(TypeLibraryPath().c_str(), library.Out()));
        ComRef<ITypeInfo> dispatchInfo, classInfo;
        library->GetTypeInfoOfGuid(IID_IIndicator, dispatchInfo.Out());
        library->GetTypeInfoOfGuid(CLSID_Indicator, classInfo.Out());
        object.Adopt(new IndicatorAutomation(dispatchInfo.Get(), classInfo.Get(), &display));
        ASSERT_EQ(S_OK, object->FindConnectionPoint(DIID_IndicatorEvents, point.Out()));
    }

    CallLog log;
    FakeIndicator display{log, "Credit"};
    ComRef<IndicatorAutomation> object;
    ComRef<IConnectionPoint> point;
    RecordingSink first{log, "first"}, second{log, "second"}, third{log, "third"};
};

TEST_F(ConnectionPointTest, AFreedCookieIsGivenAgainAndOnlyAdvisedSinksAreCalled) {
    DWORD a = 0, b = 0, c = 0;
    ASSERT_EQ(S_OK, point->Advise(&first, &a));
    ASSERT_EQ(S_OK, point->Advise(&second, &b));
    EXPECT_EQ(1u, a);
    EXPECT_EQ(2u, b);
    EXPECT_EQ(2u, first.refs);

    ASSERT_EQ(S_OK, point->Unadvise(a));
    EXPECT_EQ(1u, first.refs);
    object->FireEvent1();
    EXPECT_EQ(CallLog{"second:1"}, log);

    ASSERT_EQ(S_OK, point->Advise(&third, &c));
    EXPECT_EQ(1u, c);
    log.clear();
    object->FireEvent3();
    EXPECT_EQ((CallLog{"third:3", "second:3"}), log);

    EXPECT_EQ(E_INVALIDARG, point->Unadvise(0));
    EXPECT_EQ(E_INVALIDARG, point->Unadvise(3));
    EXPECT_EQ(S_OK, point->Unadvise(c));
    EXPECT_EQ(CONNECT_E_NOCONNECTION, point->Unadvise(c));
    EXPECT_EQ(E_INVALIDARG, point->Advise(nullptr, &a));
    EXPECT_EQ(E_INVALIDARG, point->Advise(&first, nullptr));
    object->Detach();  // drops the sinks
    EXPECT_EQ(1u, second.refs);
    EXPECT_EQ(1u, third.refs);
}

TEST_F(ConnectionPointTest, TheContainerAndClassInfoAnswerAsAutomationObjectsDo) {
    ComRef<IConnectionPoint> byDispatch;
    EXPECT_EQ(S_OK, object->FindConnectionPoint(IID_IDispatch, byDispatch.Out()));
    EXPECT_EQ(point.Get(), byDispatch.Get());
    ComRef<IConnectionPoint> none;
    EXPECT_EQ(E_NOINTERFACE, object->FindConnectionPoint(IID_IUnknown, none.Out()));
    EXPECT_EQ(E_NOTIMPL, object->EnumConnectionPoints(nullptr));

    IID iid = {};
    EXPECT_EQ(S_OK, point->GetConnectionInterface(&iid));
    EXPECT_EQ(DIID_IndicatorEvents, iid);
    EXPECT_EQ(E_INVALIDARG, point->GetConnectionInterface(nullptr));
    ComRef<IConnectionPointContainer> container;
    EXPECT_EQ(S_OK, point->GetConnectionPointContainer(container.Out()));
    EXPECT_EQ(static_cast<IConnectionPointContainer*>(object.Get()), container.Get());

    GUID source = {};
    EXPECT_EQ(S_OK, object->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source));
    EXPECT_EQ(DIID_IndicatorEvents, source);
    EXPECT_EQ(E_INVALIDARG, object->GetGUID(0, &source));
    ComRef<ITypeInfo> classInfo;
    ASSERT_EQ(S_OK, object->GetClassInfo(classInfo.Out()));
    TYPEATTR* attributes = nullptr;
    classInfo->GetTypeAttr(&attributes);
    EXPECT_EQ(CLSID_Indicator, attributes->guid);
    classInfo->ReleaseTypeAttr(attributes);

    ComRef<ITypeInfo> info;
    EXPECT_EQ(E_INVALIDARG, object->GetTypeInfo(1, 0, info.Out()));
    UINT count = 0;
    EXPECT_EQ(S_OK, object->GetTypeInfoCount(&count));
    EXPECT_EQ(1u, count);

    for (const IID* iid : {&IID_IUnknown, &IID_IDispatch, &IID_IIndicator, &IID_IProvideClassInfo,
                           &IID_IProvideClassInfo2, &IID_IConnectionPointContainer}) {
        ComRef<IUnknown> answer;
        EXPECT_EQ(S_OK, object->QueryInterface(*iid, reinterpret_cast<void**>(answer.Out())));
    }
    ComRef<IUnknown> answer;
    EXPECT_EQ(E_NOINTERFACE, object->QueryInterface(IID_IMachine, reinterpret_cast<void**>(answer.Out())));
}

TEST_F(ConnectionPointTest, ADetachedObjectAnswersAnErrorInsteadOfReachingItsItem) {
    object->Detach();
    LONG value = 0;
    EXPECT_EQ(E_UNEXPECTED, object->get_Value(&value));
    EXPECT_EQ(E_UNEXPECTED, object->put_Value(5));
    EXPECT_EQ(0, display.value);
}

}  // namespace

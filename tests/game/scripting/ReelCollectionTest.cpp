// The reel collection and its enumerator driven from C++: counted references, partial
// fetches, digit names.
#include <gtest/gtest.h>

#include "ReelCollection.h"
#include "ScriptFakes.h"

namespace {

class ReelCollectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(S_OK, LoadTypeLib(TypeLibraryPath().c_str(), library.Out()));
        ComRef<ITypeInfo> info;
        library->GetTypeInfoOfGuid(IID_IReels, info.Out());
        reels.Adopt(new ReelCollection(info.Get()));
        reels->Fill(library.Get(), 3);
        reels->AttachReels({&reel0, &reel1, &reel2});
    }

    ComRef<IEnumVARIANT> Enumerator() {
        ComRef<IUnknown> unknown;
        EXPECT_EQ(S_OK, reels->get__NewEnum(unknown.Out()));
        ComRef<IEnumVARIANT> enumerator;
        EXPECT_EQ(S_OK, unknown->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(enumerator.Out())));
        return enumerator;
    }

    static LONG Stop(const VARIANT& reel) {
        EXPECT_EQ(VT_DISPATCH, V_VT(&reel));
        ComRef<IReel> object;
        V_DISPATCH(&reel)->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object.Out()));
        LONG stop = -1;
        object->get_Stop(&stop);
        return stop;
    }

    CallLog log;
    FakeReel reel0{log, 0}, reel1{log, 1}, reel2{log, 2};
    ComRef<ITypeLib> library;
    ComRef<ReelCollection> reels;
};

TEST_F(ReelCollectionTest, AskingForMoreThanAreLeftFetchesWhatIsThereAndSaysSo) {
    ComRef<IEnumVARIANT> enumerator = Enumerator();
    VARIANT fetched[5];
    ULONG count = 99;
    EXPECT_EQ(S_FALSE, enumerator->Next(5, fetched, &count));
    ASSERT_EQ(3u, count);
    EXPECT_EQ(5, Stop(fetched[0]));
    EXPECT_EQ(7, Stop(fetched[2]));
    // Each reel handed out carries its own reference.
    for (ULONG i = 0; i < count; ++i) EXPECT_EQ(S_OK, VariantClear(&fetched[i]));
    EXPECT_EQ(S_FALSE, enumerator->Next(1, fetched, &count));
    EXPECT_EQ(0u, count);

    EXPECT_EQ(S_OK, enumerator->Reset());
    EXPECT_EQ(S_OK, enumerator->Next(1, fetched, nullptr));
    EXPECT_EQ(5, Stop(fetched[0]));
    VariantClear(&fetched[0]);
}

TEST_F(ReelCollectionTest, SkipAndCloneKeepTheirPlace) {
    ComRef<IEnumVARIANT> enumerator = Enumerator();
    EXPECT_EQ(S_OK, enumerator->Skip(2));
    ComRef<IEnumVARIANT> copy;
    ASSERT_EQ(S_OK, enumerator->Clone(copy.Out()));
    VARIANT reel;
    ULONG count = 0;
    EXPECT_EQ(S_OK, copy->Next(1, &reel, &count));
    EXPECT_EQ(7, Stop(reel));
    VariantClear(&reel);
    EXPECT_EQ(S_FALSE, enumerator->Skip(2));
    EXPECT_EQ(S_FALSE, enumerator->Next(1, &reel, &count));
}

TEST_F(ReelCollectionTest, DigitNamesNameReelsAndOtherNamesDoNot) {
    DISPID id = 0;
    LPOLESTR one[1] = {const_cast<LPOLESTR>(L"1")};
    ASSERT_EQ(S_OK, reels->GetIDsOfNames(IID_NULL, one, 1, 0, &id));
    EXPECT_EQ(0x8001, id);
    VARIANT result;
    VariantInit(&result);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    ASSERT_EQ(S_OK, reels->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr));
    EXPECT_EQ(6, Stop(result));
    VariantClear(&result);
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, reels->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &none, nullptr, nullptr, nullptr));

    for (const wchar_t* name : {L"Second", L"", L"3", L"12"}) {
        LPOLESTR names[1] = {const_cast<LPOLESTR>(name)};
        EXPECT_EQ(DISP_E_UNKNOWNNAME, reels->GetIDsOfNames(IID_NULL, names, 1, 0, &id)) << name;
    }
    LPOLESTR two[2] = {one[0], one[0]};
    EXPECT_EQ(DISP_E_NONAMEDARGS, reels->GetIDsOfNames(IID_NULL, two, 2, 0, &id));
}

TEST_F(ReelCollectionTest, IndexesOutsideTheReelsAreInvalid) {
    ComRef<IReel> reel;
    EXPECT_EQ(E_INVALIDARG, reels->get_Item(-1, reel.Out()));
    EXPECT_EQ(E_INVALIDARG, reels->Reel(3, reel.Out()));
    EXPECT_EQ(S_OK, reels->Reel(2, reel.Out()));
    LONG count = 0;
    EXPECT_EQ(S_OK, reels->get_Count(&count));
    EXPECT_EQ(3, count);
    ComRef<IUnknown> answer;
    EXPECT_EQ(S_OK, reel->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(answer.Out())));
    EXPECT_EQ(E_NOINTERFACE, reel->QueryInterface(IID_IReel, reinterpret_cast<void**>(answer.Out())));
    EXPECT_EQ(S_OK, reels->QueryInterface(IID_IReels, reinterpret_cast<void**>(answer.Out())));
}

}  // namespace

// The site's answers to the engine about its named items.
#include <gtest/gtest.h>

#include "ScriptFakes.h"
#include "ScriptGuids.h"
#include "ScriptSite.h"
#include "SpriteItemAutomation.h"

namespace {

class ScriptSiteTest : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        ASSERT_EQ(S_OK, LoadTypeLib(TypeLibraryPath().c_str(), library.Out()));
        library->GetTypeInfoOfGuid(IID_IMachine, machineInterface.Out());
        library->GetTypeInfoOfGuid(CLSID_Machine, machineClass.Out());
        ComRef<ITypeInfo> spriteInterface, spriteClass;
        library->GetTypeInfoOfGuid(IID_ISpriteItem, spriteInterface.Out());
        library->GetTypeInfoOfGuid(CLSID_SpriteItem, spriteClass.Out());
        sprite.Adopt(new SpriteItemAutomation(spriteInterface.Get(), spriteClass.Get(), &button));
        site.Adopt(new ScriptSite(machineInterface.Get(), machineClass.Get(), &errors));
        ASSERT_EQ(S_OK, CoCreateInstance(kJScriptClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IActiveScript,
                                         reinterpret_cast<void**>(engine.Out())));
        ASSERT_EQ(S_OK, engine->SetScriptSite(site.Get()));
        ComRef<IActiveScriptParse> parse;
        engine->QueryInterface(IID_IActiveScriptParse, reinterpret_cast<void**>(parse.Out()));
        ASSERT_EQ(S_OK, parse->InitNew());
        site->SetEngine(engine.Get());
        site->AddNamedItem(L"machine", static_cast<IDispatch*>(sprite.Get()), true);
        site->AddNamedItem(L"Spin", static_cast<IDispatch*>(sprite.Get()), false);
    }
    void TearDown() override {
        site->Close();
        if (engine) engine->Close();
        engine.Reset();
        CoUninitialize();
    }

    static GUID GuidOf(ITypeInfo* info) {
        TYPEATTR* attributes = nullptr;
        info->GetTypeAttr(&attributes);
        GUID guid = attributes->guid;
        info->ReleaseTypeAttr(attributes);
        return guid;
    }

    CallLog log;
    FakeSpriteItem button{log};
    CollectedErrors errors;
    ComRef<ITypeLib> library;
    ComRef<ITypeInfo> machineInterface, machineClass;
    ComRef<SpriteItemAutomation> sprite;
    ComRef<ScriptSite> site;
    ComRef<IActiveScript> engine;
};

TEST_F(ScriptSiteTest, TheMachineGetsItsClassWhateverTheCase) {
    ComRef<ITypeInfo> info;
    ASSERT_EQ(S_OK, site->GetItemInfo(L"machine", SCRIPTINFO_ITYPEINFO, nullptr, info.Out()));
    EXPECT_EQ(CLSID_Machine, GuidOf(info.Get()));
    EXPECT_EQ(E_INVALIDARG, site->GetItemInfo(L"MACHINE", SCRIPTINFO_ITYPEINFO, nullptr, info.Out()))
        << "only names in the map are items";
    site->AddNamedItem(L"MACHINE", static_cast<IDispatch*>(sprite.Get()), false);
    ASSERT_EQ(S_OK, site->GetItemInfo(L"MACHINE", SCRIPTINFO_ITYPEINFO, nullptr, info.Out()));
    EXPECT_EQ(CLSID_Machine, GuidOf(info.Get()));
}

TEST_F(ScriptSiteTest, ItemsAnswerWithTheirObjectOrTheirClass) {
    ComRef<ITypeInfo> info;
    ASSERT_EQ(S_OK, site->GetItemInfo(L"Spin", SCRIPTINFO_ITYPEINFO, nullptr, info.Out()));
    EXPECT_EQ(CLSID_SpriteItem, GuidOf(info.Get()));

    ComRef<IUnknown> object;
    ITypeInfo* notFilled = reinterpret_cast<ITypeInfo*>(1);
    ASSERT_EQ(S_OK, site->GetItemInfo(L"Spin", SCRIPTINFO_IUNKNOWN | SCRIPTINFO_ITYPEINFO, object.Out(), &notFilled));
    EXPECT_EQ(static_cast<IUnknown*>(static_cast<IDispatch*>(sprite.Get())), object.Get());
    EXPECT_EQ(nullptr, notFilled);  // cleared, and only the object is given

    EXPECT_EQ(E_INVALIDARG, site->GetItemInfo(L"Nothing", SCRIPTINFO_IUNKNOWN, object.Out(), nullptr));
    EXPECT_EQ(E_INVALIDARG, site->GetItemInfo(L"Spin", SCRIPTINFO_IUNKNOWN, nullptr, nullptr));
    EXPECT_EQ(E_INVALIDARG, site->GetItemInfo(L"Spin", SCRIPTINFO_ITYPEINFO, nullptr, nullptr));
}

TEST_F(ScriptSiteTest, TheSiteAnswersOnlyItsOwnInterfaces) {
    LCID locale = 0;
    EXPECT_EQ(E_NOTIMPL, site->GetLCID(&locale));
    BSTR version = nullptr;
    EXPECT_EQ(E_NOTIMPL, site->GetDocVersionString(&version));
    ComRef<IUnknown> answer;
    EXPECT_EQ(S_OK, site->QueryInterface(IID_IActiveScriptSite, reinterpret_cast<void**>(answer.Out())));
    EXPECT_EQ(E_NOINTERFACE, site->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(answer.Out())));
}

}  // namespace

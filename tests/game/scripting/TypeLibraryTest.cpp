// "SlotMachine.tlb" as the build writes it: it loads, carries the fixed identifiers, and
// each dual interface has its members in the fixed vtable slots.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ComRef.h"
#include "ScriptFakes.h"

namespace {

GUID Guid(const wchar_t* text) {
    GUID guid = {};
    EXPECT_EQ(S_OK, CLSIDFromString(const_cast<LPOLESTR>(text), &guid)) << text;
    return guid;
}

class TypeLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(S_OK, LoadTypeLib(TypeLibraryPath().c_str(), library.Out())); }

    ComRef<ITypeInfo> Info(const wchar_t* guid, TYPEKIND kind) {
        ComRef<ITypeInfo> info;
        EXPECT_EQ(S_OK, library->GetTypeInfoOfGuid(Guid(guid), info.Out())) << guid;
        if (!info) return info;
        TYPEATTR* attributes = nullptr;
        info->GetTypeAttr(&attributes);
        EXPECT_EQ(kind, attributes->typekind) << guid;
        info->ReleaseTypeAttr(attributes);
        return info;
    }

    // "slot name" of every function of the dual interface's vtable part, in slot order,
    // with "get "/"put " for properties.
    std::map<int, std::string> Slots(const wchar_t* guid) {
        ComRef<ITypeInfo> dispatch = Info(guid, TKIND_DISPATCH), vtable;
        HREFTYPE reference = 0;
        EXPECT_EQ(S_OK, dispatch->GetRefTypeOfImplType(-1, &reference));
        EXPECT_EQ(S_OK, dispatch->GetRefTypeInfo(reference, vtable.Out()));
        std::map<int, std::string> slots;
        FUNCDESC* function = nullptr;
        for (UINT i = 0; SUCCEEDED(vtable->GetFuncDesc(i, &function)); ++i) {
            BSTR name = nullptr;
            vtable->GetDocumentation(function->memid, &name, nullptr, nullptr, nullptr);
            std::string text = function->invkind == INVOKE_PROPERTYGET   ? "get "
                               : function->invkind == INVOKE_PROPERTYPUT ? "put "
                                                                         : "";
            for (wchar_t* c = name; c && *c; ++c) text += static_cast<char>(*c);
            slots[function->oVft / int(sizeof(void*))] = text;
            SysFreeString(name);
            vtable->ReleaseFuncDesc(function);
        }
        return slots;
    }

    // Event name -> dispatch identifier of an event interface.
    std::map<std::string, DISPID> Events(const wchar_t* guid) {
        ComRef<ITypeInfo> events = Info(guid, TKIND_DISPATCH);
        std::map<std::string, DISPID> ids;
        FUNCDESC* function = nullptr;
        for (UINT i = 0; SUCCEEDED(events->GetFuncDesc(i, &function)); ++i) {
            BSTR name = nullptr;
            events->GetDocumentation(function->memid, &name, nullptr, nullptr, nullptr);
            std::string text;
            for (wchar_t* c = name; c && *c; ++c) text += static_cast<char>(*c);
            ids[text] = function->memid;
            SysFreeString(name);
            events->ReleaseFuncDesc(function);
        }
        return ids;
    }

    // The class's default source interface.
    GUID SourceOf(const wchar_t* classGuid) {
        ComRef<ITypeInfo> coclass = Info(classGuid, TKIND_COCLASS), source;
        TYPEATTR* attributes = nullptr;
        coclass->GetTypeAttr(&attributes);
        UINT count = attributes->cImplTypes;
        coclass->ReleaseTypeAttr(attributes);
        for (UINT i = 0; i < count; ++i) {
            INT flags = 0;
            HREFTYPE reference = 0;
            coclass->GetImplTypeFlags(i, &flags);
            if (!(flags & IMPLTYPEFLAG_FSOURCE)) continue;
            coclass->GetRefTypeOfImplType(i, &reference);
            coclass->GetRefTypeInfo(reference, source.Out());
        }
        GUID guid = {};
        if (source && SUCCEEDED(source->GetTypeAttr(&attributes))) {
            guid = attributes->guid;
            source->ReleaseTypeAttr(attributes);
        }
        return guid;
    }

    ComRef<ITypeLib> library;
};

TEST_F(TypeLibraryTest, EachClassNamesItsEventInterface) {
    EXPECT_EQ(Guid(L"{67647C69-F763-11D1-8BCD-00400536B4C4}"), SourceOf(L"{67647C62-F763-11D1-8BCD-00400536B4C4}"));
    EXPECT_EQ(Guid(L"{79321D32-F9DF-11D1-8BCE-00400536B4C4}"), SourceOf(L"{67647C70-F763-11D1-8BCD-00400536B4C4}"));
    EXPECT_EQ(Guid(L"{67647C64-F763-11D1-8BCD-00400536B4C4}"), SourceOf(L"{67647C65-F763-11D1-8BCD-00400536B4C4}"));
    EXPECT_EQ(Guid(L"{4E1F20E3-055A-11D2-8BD8-00400536B4C4}"), SourceOf(L"{4E1F20E4-055A-11D2-8BD8-00400536B4C4}"));
}

TEST_F(TypeLibraryTest, MachineMembersSitInTheirSlots) {
    std::map<int, std::string> slots = Slots(L"{67647C61-F763-11D1-8BCD-00400536B4C4}");
    std::map<int, std::string> expected = {
        {7, "get Title"},       {8, "get Reels"},          {9, "get RandomStopOrder"}, {10, "put RandomStopOrder"},
        {11, "get Denomination"}, {12, "get Betting"},     {13, "put Betting"},        {14, "Spin"},
        {15, "SetTimeout"},     {16, "PayTableIndex"},     {17, "PayAmount"},          {18, "ChooseStops"},
        {19, "SpinToStops"},    {20, "PlaySound"},         {21, "StopSounds"},         {22, "WeightedRandom"},
        {23, "Random"},         {24, "Bet"},               {25, "get Progressive"},    {26, "UpdateButtons"}};
    EXPECT_EQ(expected, slots);
}

TEST_F(TypeLibraryTest, MachineEventsHaveTheirIdentifiers) {
    std::map<std::string, DISPID> expected = {{"OnReelStop", 1},   {"OnAllReelsStop", 2}, {"OnReelsStart", 3},
                                              {"OnReelClick", 5},  {"OnMetersChange", 6}, {"OnPayment", 7},
                                              {"OnTotalPayment", 8}};
    EXPECT_EQ(expected, Events(L"{67647C69-F763-11D1-8BCD-00400536B4C4}"));
}

TEST_F(TypeLibraryTest, ItemMembersSitInTheirSlots) {
    std::map<int, std::string> sprite = {{7, "get Tag"},          {8, "get HotKey"},  {9, "put HotKey"},
                                         {10, "get HotKeyFlags"}, {11, "put HotKeyFlags"}, {12, "Disable"},
                                         {13, "Enable"},          {14, "Click"}};
    EXPECT_EQ(sprite, Slots(L"{67647C63-F763-11D1-8BCD-00400536B4C4}"));
    std::map<int, std::string> region = {{7, "get X"},           {8, "put X"},           {9, "get Y"},
                                         {10, "put Y"},          {11, "get HotKey"},     {12, "put HotKey"},
                                         {13, "get HotKeyFlags"}, {14, "put HotKeyFlags"}, {15, "Disable"},
                                         {16, "Enable"}};
    EXPECT_EQ(region, Slots(L"{4E1F20E2-055A-11D2-8BD8-00400536B4C4}"));
    std::map<int, std::string> indicator = Slots(L"{79321D31-F9DF-11D1-8BCE-00400536B4C4}");
    EXPECT_EQ(29u, indicator.size());
    EXPECT_EQ("get Value", indicator[7]);
    EXPECT_EQ("put Value", indicator[8]);
    EXPECT_EQ("get Rate", indicator[14]);
    EXPECT_EQ("put Rotation", indicator[23]);
    EXPECT_EQ("ShowCellFrame", indicator[26]);
    EXPECT_EQ("PlayRange", indicator[32]);
    EXPECT_EQ("Stop", indicator[35]);
}

TEST_F(TypeLibraryTest, ItemEventsHaveTheirIdentifiers) {
    EXPECT_EQ((std::map<std::string, DISPID>{{"OnUpdate", 1}}), Events(L"{79321D32-F9DF-11D1-8BCE-00400536B4C4}"));
    EXPECT_EQ((std::map<std::string, DISPID>{{"OnClick", 1}, {"OnFocus", 2}, {"OnBlur", 3}}),
              Events(L"{67647C64-F763-11D1-8BCD-00400536B4C4}"));
    std::map<std::string, DISPID> region = Events(L"{4E1F20E3-055A-11D2-8BD8-00400536B4C4}");
    EXPECT_EQ(5u, region.size());
    EXPECT_EQ(1, region["OnClick"]);
    EXPECT_EQ(3, region["OnBlur"]);
}

TEST_F(TypeLibraryTest, ReelCollectionAndReelMembersSitInTheirSlots) {
    std::map<int, std::string> collection = {{7, "get _NewEnum"}, {8, "get Item"}, {9, "Reel"}, {10, "get Count"}};
    EXPECT_EQ(collection, Slots(L"{4E1F20E0-055A-11D2-8BD8-00400536B4C4}"));
    std::map<int, std::string> reel = {{7, "get Symbol"},       {8, "SetStop"},
                                       {9, "get SymbolAt"},     {10, "get Stop"},
                                       {11, "ChooseStop"},      {12, "AnimateSymbol"},
                                       {13, "AnimateSymbolAtRate"}, {14, "ShowSymbolFrame"},
                                       {15, "StopSymbolAnimation"}};
    EXPECT_EQ(reel, Slots(L"{4E1F20E1-055A-11D2-8BD8-00400536B4C4}"));
}

}  // namespace

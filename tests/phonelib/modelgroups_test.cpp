#include "phonelib/api/modelgroups.h"

#include <gtest/gtest.h>

#include "phonelib/api/keepalive.h"
#include "phonelib/drivers/nokia61xx/calendar.h"
#include "phonelib/drivers/nokia61xx/logos.h"
#include "phonelib/drivers/nokia61xx/phonebook.h"
#include "phonelib/drivers/nokia61xx/procedures.h"
#include "phonelib/drivers/nokia7110/calendar.h"
#include "phonelib/drivers/nokia7110/logos.h"
#include "phonelib/drivers/nokia7110/messages.h"
#include "phonelib/drivers/nokia7110/phonebook.h"
#include "phonelib/drivers/nokia7110/procedures.h"
#include "phonelib/drivers/nokia7110/profiles.h"
#include "phonelib/drivers/nokia7110/wap.h"

using namespace phonelib;

namespace {

template <class Fn, class Target>
bool holds(const std::function<Fn>& slot, Target target) {
    const auto* p = slot.template target<Target>();
    return p && *p == target;
}

TEST(ModelGroups, ModelCodes) {
    EXPECT_EQ(modelIdOfCode("NSE-3"), 14);
    EXPECT_EQ(modelIdOfCode("NSE-1"), 15);
    EXPECT_EQ(modelIdOfCode("NHM-5"), 11);
    EXPECT_EQ(modelIdOfCode("NHM-7"), 18);
    EXPECT_EQ(modelIdOfCode("NPE-3"), 19);
    EXPECT_EQ(modelIdOfCode("NSE-5"), 21);
    EXPECT_EQ(modelIdOfCode("S25"), 0);
    EXPECT_EQ(modelIdOfCode("Siemens S40/S42 PnP"), 9);
    EXPECT_EQ(modelIdOfCode("ME45"), 6);
    EXPECT_EQ(modelIdOfCode("C45"), 7);
    EXPECT_EQ(modelIdOfCode("nse-3"), std::nullopt);  // compared exactly
    EXPECT_EQ(modelIdOfCode(""), std::nullopt);
    EXPECT_EQ(modelIdOfCode("NSE-3 "), std::nullopt);
}

TEST(ModelGroups, FamiliesGetTheirDispatcherKeepAliveAndIdentity) {
    using InfoFn = uint8_t (*)(TPhoneInfo&);
    using DispatchFn = void (*)(uint8_t);
    using KeepFn = void (*)();

    DriverTable table;
    installNokiaProcedures(table, 14);
    EXPECT_TRUE(holds(table.Dispatch, DispatchFn(nokia::Dispatch)));
    EXPECT_TRUE(holds(table.KeepAlive, KeepFn(keepalive::nokia61xx)));
    EXPECT_TRUE(holds(table.GetPhoneInfos, InfoFn(nokia::GetPhoneInfos64)));

    installNokiaProcedures(table, 11);
    EXPECT_TRUE(holds(table.GetPhoneInfos, InfoFn(nokia7110::GetPhoneInfos40)));

    for (const uint8_t model : {18, 19, 20, 21}) {
        installNokiaProcedures(table, model);
        EXPECT_TRUE(holds(table.Dispatch, DispatchFn(nokia7110::Dispatch))) << int(model);
        EXPECT_TRUE(holds(table.KeepAlive, KeepFn(keepalive::nokia7110))) << int(model);
        EXPECT_TRUE(holds(table.GetPhoneInfos, InfoFn(nokia7110::GetPhoneInfos40))) << int(model);
    }
}

// Which family serves each slot: the 8310 (id 18) takes phonebook, logos,
// ringtones and network from the 61xx family and messages, calendar and
// profiles from the 7110 family; ids 19 to 21 take all of those from the
// 7110 family; sending, centre, diverts, date and WAP are shared.
TEST(ModelGroups, TheMixedTableAndThe7110Family) {
    using EntryFn = uint8_t (*)(TPhoneBookEntry&);
    using CapacityFn = uint8_t (*)(TCapacity&);
    using BitmapFn = uint8_t (*)(GSMBitmap&);
    using ToneFn = uint8_t (*)(std::string&, uint8_t);
    using SmsFn = uint8_t (*)(uint8_t, int32_t, GSMSMS&);
    using InfosFn = uint8_t (*)(tsmsinfo&);
    using ProfileFn = uint8_t (*)(TProfile&);
    using CalendarFn = uint8_t (*)(TCalendarInfo&);
    using NoteFn = uint8_t (*)(TCalendarEntry&, int32_t);
    using FolderFn = uint8_t (*)(const std::string&);
    using StatusFn = uint8_t (*)(TPhoneStatus&);
    using NetworkFn = uint8_t (*)(TNetWorkInfo&);
    using WapFn = uint8_t (*)(TWap&);

    DriverTable table;
    installNokiaProcedures(table, 18);
    EXPECT_TRUE(holds(table.ReadPhoneBookEntry, EntryFn(nokia::ReadPhoneBookEntry)));
    EXPECT_TRUE(holds(table.GetCapacity, CapacityFn(nokia::GetCapacity)));
    EXPECT_TRUE(holds(table.GetBitmap, BitmapFn(nokia::GetBitmap)));
    EXPECT_TRUE(holds(table.SendRingTone, ToneFn(nokia::SendRingTone05)));
    EXPECT_TRUE(holds(table.GetSMS, SmsFn(nokia7110::GetSMS)));
    EXPECT_TRUE(holds(table.writesms, SmsFn(nokia7110::writesms)));
    EXPECT_TRUE(holds(table.getsmsinfos, InfosFn(nokia7110::getsmsinfos)));
    EXPECT_TRUE(holds(table.reserved20, FolderFn(nokia7110::createFolder)));
    EXPECT_TRUE(holds(table.GetProfile, ProfileFn(nokia7110::GetProfile)));
    EXPECT_TRUE(holds(table.getcalinfo, CalendarFn(nokia7110::getcalinfo)));
    EXPECT_TRUE(holds(table.ReadCalendarEntry, NoteFn(nokia7110::ReadCalendarEntry)));

    for (const uint8_t model : {19, 20, 21}) {
        installNokiaProcedures(table, model);
        EXPECT_TRUE(holds(table.ReadPhoneBookEntry, EntryFn(nokia7110::ReadPhoneBookEntry)));
        EXPECT_TRUE(holds(table.WritePhoneBookEntry, EntryFn(nokia7110::WritePhoneBookEntry)));
        EXPECT_TRUE(holds(table.GetCapacity, CapacityFn(nokia7110::GetCapacity)));
        EXPECT_TRUE(holds(table.Sendbitmap, BitmapFn(nokia7110::Sendbitmap)));
        EXPECT_TRUE(holds(table.GetBitmap, BitmapFn(nokia7110::GetBitmap)));
        EXPECT_TRUE(holds(table.SendRingTone, ToneFn(nokia7110::SendRingTone)));
        EXPECT_TRUE(holds(table.GetSMS, SmsFn(nokia7110::GetSMS)));
        EXPECT_TRUE(holds(table.writesms, SmsFn(nokia7110::writesms)));
        EXPECT_TRUE(holds(table.SetProfile, ProfileFn(nokia7110::SetProfile)));
        EXPECT_TRUE(holds(table.getcalinfo, CalendarFn(nokia7110::getcalinfo)));
    }

    for (const uint8_t model : {10, 14, 18, 21}) {
        installNokiaProcedures(table, model);
        EXPECT_TRUE(holds(table.GetPhoneStatus, StatusFn(nokia::GetPhoneStatus))) << int(model);
        EXPECT_TRUE(holds(table.GetNetworkInfo, NetworkFn(nokia::GetNetworkInfo))) << int(model);
        EXPECT_TRUE(table.SendSMS && table.GetSMSCenter && table.getdate) << int(model);
        EXPECT_TRUE(table.GetDiverts && table.SetDiverts) << int(model);
        EXPECT_TRUE(holds(table.GetWAPlink, WapFn(nokia7110::GetWAPlink))) << int(model);
    }
}

TEST(ModelGroups, The61xxFamilyWritesNoMessages) {
    using ToneFn = uint8_t (*)(std::string&, uint8_t);
    using CalendarFn = uint8_t (*)(TCalendarInfo&);
    DriverTable table;
    installNokiaProcedures(table, 21);
    installNokiaProcedures(table, 15);  // a 7110 phone before must leave nothing behind
    EXPECT_TRUE(holds(table.SendRingTone, ToneFn(nokia::SendRingTone12)));
    EXPECT_TRUE(holds(table.getcalinfo, CalendarFn(nokia::getcalinfo)));
    EXPECT_TRUE(table.ReadPhoneBookEntry && table.GetSMS && table.GetProfile);
    EXPECT_FALSE(table.writesms || table.reserved20);
}

TEST(ModelGroups, SiemensPhonesGetEveryAtProcedure) {
    DriverTable table;
    installNokiaProcedures(table, 14);
    installAtProcedures(table);
    EXPECT_TRUE(table.GetPhoneInfos && table.ReadPhoneBookEntry && table.GetCapacity &&
                table.ReadCalendarEntry && table.GetSMS && table.SendSMS && table.Sendbitmap &&
                table.SendRingTone && table.GetProfile && table.SetDiverts &&
                table.changeconnectionspeed);
    // Those the AT driver has none for must not keep a Nokia procedure.
    DriverTable fresh;
    installAtProcedures(fresh);
    EXPECT_FALSE(fresh.getdate || fresh.writesms || fresh.GetWAPlink || fresh.WriteWAPlink);
}

}  // namespace

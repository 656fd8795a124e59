#include "phonelib/api/modelgroups.h"

#include <gtest/gtest.h>

#include "phonelib/api/keepalive.h"
#include "phonelib/api/loadtimeslots.h"
#include "phonelib/drivers/nokia61xx/calendar.h"
#include "phonelib/drivers/nokia61xx/logos.h"
#include "phonelib/drivers/nokia61xx/procedures.h"
#include "phonelib/drivers/nokia7110/procedures.h"
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

    installNokiaProcedures(table, 18);  // mixed: 7110 dispatcher, 61xx network
    EXPECT_TRUE(holds(table.Dispatch, DispatchFn(nokia7110::Dispatch)));
    EXPECT_TRUE(holds(table.KeepAlive, KeepFn(keepalive::nokia7110)));
    EXPECT_TRUE(table.GetNetworkInfo);
    EXPECT_FALSE(table.writesms);
}

TEST(ModelGroups, LogosSettingsAndBookmarksPerModel) {
    using ToneFn = uint8_t (*)(std::string&, uint8_t);
    using InfoFn = uint8_t (*)(TCalendarInfo&);
    using WapFn = uint8_t (*)(TWap&);

    DriverTable table;
    installNokiaProcedures(table, 15);  // type 0x12 ringtones
    EXPECT_TRUE(holds(table.SendRingTone, ToneFn(nokia::SendRingTone12)));
    EXPECT_TRUE(holds(table.getcalinfo, InfoFn(nokia::getcalinfo)));
    EXPECT_TRUE(table.GetProfile);

    installNokiaProcedures(table, 18);  // mixed: 61xx logos, no 61xx profiles or calendar
    EXPECT_TRUE(holds(table.SendRingTone, ToneFn(nokia::SendRingTone05)));
    EXPECT_TRUE(table.GetBitmap);
    EXPECT_FALSE(table.GetProfile);
    EXPECT_FALSE(table.ReadCalendarEntry);
    EXPECT_TRUE(holds(table.getcalinfo, InfoFn(loadtime::getcalinfo)));

    installNokiaProcedures(table, 20);  // 7110 family: its own logos are not built
    EXPECT_FALSE(table.Sendbitmap);
    EXPECT_FALSE(table.SendRingTone);
    for (const uint8_t model : {10, 14, 18, 21}) {
        installNokiaProcedures(table, model);
        EXPECT_TRUE(table.GetDiverts && table.SetDiverts) << int(model);
        EXPECT_TRUE(holds(table.GetWAPlink, WapFn(nokia7110::GetWAPlink))) << int(model);
        EXPECT_TRUE(holds(table.WriteWAPlink, WapFn(nokia7110::WriteWAPlink))) << int(model);
    }
}

TEST(ModelGroups, PhonebookAndMessagesByFamily) {
    DriverTable table;
    installNokiaProcedures(table, 10);
    EXPECT_TRUE(table.ReadPhoneBookEntry && table.GetSMS && table.SendSMS && table.getsmsinfos);
    DriverTable mixed;
    installNokiaProcedures(mixed, 18);  // phonebook and sending of this family, messages not
    EXPECT_TRUE(mixed.ReadPhoneBookEntry && mixed.GetCapacity && mixed.SendSMS);
    EXPECT_FALSE(mixed.GetSMS || mixed.deletesms || mixed.getsmsinfos);
    DriverTable family7110;
    installNokiaProcedures(family7110, 20);  // only sending and the message centre
    EXPECT_TRUE(family7110.SendSMS && family7110.GetSMSCenter);
    EXPECT_FALSE(family7110.ReadPhoneBookEntry || family7110.WritePhoneBookEntry ||
                 family7110.GetSMS);
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

#include "phonelib/api/modelgroups.h"

#include <gtest/gtest.h>

#include "phonelib/api/keepalive.h"
#include "phonelib/drivers/nokia61xx/procedures.h"
#include "phonelib/drivers/nokia7110/procedures.h"

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

}  // namespace

// Channel lists written for the multi-radio programs, and read back.
#include "editor/radio_list_export.h"

#include <gtest/gtest.h>

#include "editor/channel_list_import.h"

namespace selkan {
namespace {

// Every frequency a record holds.
constexpr BandLimits kRecordLimits{1000000, 99999999};

TEST(RadioListExport, ChannelsInUseAsTheListWritesThem) {
  ChannelTable table;
  table[0] = {"446.00625", "446.00625", "None", "None", "Low", "On", "Narrow"};
  table[2] = {"442.50000", "447.50000", "None", "100.0", "High", "Off", "Wide"};
  table[3] = {"145.50000", "215.51250", "D023N", "D023I", "Middle", "On", "Wide"};
  table[4] = {"440.00000", "370.00000", "D754I", "67.0", "High", "On", "Wide"};  // 70 MHz: offset
  table[5] = {"462.56250", "", "", "D131N", "", "", ""};                         // receive only
  table[6] = {"", "438.10000", "", "", "", "", ""};                              // transmit only
  table[7] = {"438.10000", "438.10000", "12.3", "None", "Low", "On", "Wide"};
  table[9] = {"438.20000", "438.20000", "D023N", "D754N", "High", "On", "Wide"};  // two codes
  table[198] = {"145.00000", "144.40000", "127.3", "127.3", "Low", "On", "Wide"};
  const RadioListExport got = ChannelsToRadioList(table);
  const std::string rows =
      "1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,,1.0W,,,,,\r\n"
      "3,,442.500000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,S,5.0W,,,,,\r\n"
      "4,,145.500000,split,215.512500,DTCS,88.5,88.5,023,RN,023,Tone->Tone,FM,5.00,,2.5W,,,,,\r\n"
      "5,,440.000000,-,70.000000,Cross,67.0,88.5,023,NR,754,Tone->DTCS,FM,5.00,,5.0W,,,,,\r\n"
      "6,,462.562500,off,0.000000,Cross,88.5,88.5,131,NN,023,DTCS->,FM,5.00,,,,,,,\r\n"
      "10,,438.200000,,0.000000,Cross,88.5,88.5,754,NN,023,DTCS->DTCS,FM,5.00,,5.0W,,,,,\r\n"
      "199,,145.000000,-,0.600000,TSQL,127.3,127.3,023,NN,023,Tone->Tone,FM,5.00,,1.0W,,,,,\r\n";
  EXPECT_EQ(got.csv, std::string(kRadioListHeader) + "\r\n" + rows);
  EXPECT_EQ(got.written, 7);
  EXPECT_EQ(got.omitted, (std::vector<OmittedChannel>{{7, RadioListOmission::TransmitOnly},
                                                      {8, RadioListOmission::UnlistedTone}}));
  EXPECT_EQ(ChannelsToRadioList(ChannelTable{}).csv, std::string(kRadioListHeader) + "\r\n");
  // Read back, the list gives every channel it holds as it was.
  table[6] = table[7] = {};
  EXPECT_EQ(ImportChannelCsv(got.csv, kRecordLimits).table, table);
}

}  // namespace
}  // namespace selkan

#include "editor/radio_list_csv.h"

#include <gtest/gtest.h>

#include "editor/channel_csv.h"

namespace selkan {
namespace {

constexpr BandLimits kUhf{40000000, 47000000};

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL\r\n";

std::string Lines(const ChannelCsvImport& got) {
  std::string out;
  for (const CsvError& error : got.errors) out += std::to_string(error.line) + " ";
  return out;
}

TEST(RadioListCsv, EveryColumnMapsOntoTheChannel) {
  const std::string csv =
      kHeader +
      "1,Simplex,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,1.0W,,\r\n"
      "2,Repeater,442.500000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,4W,,\r\n"
      "3,Down,445.000000,-,5.000000,TSQL,88.5,127.3,023,NN,023,Tone->Tone,FM,5.00,S,Mid,,\r\n"
      "4,Split,440.100000,split,450.200000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,FM,5.00,,2.0W,,\r\n"
      "5,Listen,462.562500,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,Low,,\r\n"
      "6,X1,440.000000,,0.000000,Cross,67.0,88.5,023,NR,754,Tone->DTCS,FM,5.00,P,High,,\r\n"
      "7,X2,440.000000,,0.000000,Cross,67.0,88.5,131,RN,754,DTCS->,FM,5.00,,Low,,\r\n"
      "8,X3,440.000000,,0.000000,Cross,67.0,88.5,131,NN,754,->Tone,FM,5.00,,Low,,\r\n"
      "30,X4,440.000000,,0.000000,Cross,67.0,88.5,23,NN,754,DTCS->DTCS,FM,5.00,,Low,,\r\n";
  const ChannelCsvImport got = ImportChannelCsv(csv, kUhf);
  ASSERT_EQ(Lines(got), "") << got.errors[0].reason;
  const std::vector<std::pair<int, ChannelRow>> expected = {
      {1, {"446.00625", "446.00625", "None", "None", "Low", "On", "Narrow"}},
      {2, {"442.50000", "447.50000", "None", "100.0", "High", "On", "Wide"}},
      {3, {"445.00000", "440.00000", "127.3", "127.3", "Middle", "Off", "Wide"}},
      {4, {"440.10000", "450.20000", "D023I", "D023N", "Middle", "On", "Wide"}},
      {5, {"462.56250", "", "", "", "", "", ""}},  // receive only
      {6, {"440.00000", "440.00000", "D754I", "67.0", "High", "On", "Wide"}},
      {7, {"440.00000", "440.00000", "None", "D131I", "Low", "On", "Wide"}},
      {8, {"440.00000", "440.00000", "88.5", "None", "Low", "On", "Wide"}},
      {30, {"440.00000", "440.00000", "D754N", "D023N", "Low", "On", "Wide"}},
  };
  for (const auto& [channel, row] : expected) EXPECT_EQ(got.table[channel - 1], row) << channel;
  EXPECT_EQ(got.table[8], ChannelRow{});  // Location picked channel 30, not 9
}

}  // namespace
}  // namespace selkan

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/channel_codec.h"

namespace selkan {

// The channel list in the form the common multi-radio programming programs
// read: this header, then one record per channel in use.
inline constexpr std::string_view kRadioListHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// Why a channel in use is not in such a list.
enum class RadioListOmission {
  TransmitOnly,  // no Rx frequency: every channel of the list has one
  UnlistedTone,  // a QT/DQT tone outside the tone list, which such a list cannot hold
};

struct OmittedChannel {
  int channel = 0;
  RadioListOmission reason = RadioListOmission::TransmitOnly;
  bool operator==(const OmittedChannel&) const = default;
};

struct RadioListExport {
  std::string csv;                      // header and records, every line ended by CRLF
  int written = 0;                      // channels in the list
  std::vector<OmittedChannel> omitted;  // channels in use that are not, in channel order
};

// Writes the channels in use (English words, as DecodeChannels gives them)
// so that reading the list back (RadioListFromCsv) gives the same records:
// Location is the channel; Frequency the Rx; Duplex "" when Tx is Rx, + or -
// with the distance as Offset when Tx is within 70 MHz of Rx, otherwise
// split with Tx as Offset, and off for a receive-only channel. The tones as
// Tone (encode only), TSQL or DTCS (the same tone or DQT code both ways; the
// DQT polarity of each way in DtcsPolarity), else Cross with its CrossMode.
// Narrow is NFM, Scan Off is Skip S, and power is watts read back as the
// same level (High 5.0W, Middle 2.5W, Low 1.0W). Columns this radio has no
// value for hold the list's usual defaults; Name stays empty.
RadioListExport ChannelsToRadioList(const ChannelTable& table);

// The English text of a reason; the program shows it translated in the
// catalog context named here.
std::string_view RadioListOmissionText(RadioListOmission reason);

}  // namespace selkan

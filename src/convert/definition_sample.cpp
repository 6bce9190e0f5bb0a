#include "convert/definition_sample.h"

#include "base/text_codec.h"

namespace tablora {

std::string DefinitionSample() {
  static const std::string sample = Cp936(
      u8"#define SUBLANG_CHINESE_TRADITIONAL      0x01    // 汉语 (Taiwan Region)\r\n"
      u8"#define SUBLANG_CHINESE_SIMPLIFIED       0x02    // 汉语 (PR China)\r\n"
      u8"#define SUBLANG_CHINESE_HONGKONG         0x03    // 汉语 (Hong Kong S.A.R., P.R.C.)\r\n"
      u8"#define SUBLANG_CHINESE_SINGAPORE        0x04    // 汉语 (Singapore)\r\n"
      u8"#define SUBLANG_CHINESE_MACAU            0x05    // 汉语 (Macau S.A.R.)\r\n"
      u8"#define SUBLANG_ENGLISH_US               0x01    // English (USA)\r\n"
      u8"#define SUBLANG_ENGLISH_UK               0x02    // English (UK)\r\n"
      u8"#define SUBLANG_ENGLISH_AUS              0x03    // English (Australian)\r\n"
      u8"#define SUBLANG_ENGLISH_CAN              0x04    // English (Canadian)\r\n"
      u8"#define SUBLANG_ENGLISH_NZ               0x05    // English (New Zealand)\r\n"
      u8"#define SUBLANG_ENGLISH_EIRE             0x06    // English (Irish)\r\n"
      u8"#define SUBLANG_ENGLISH_SOUTH_AFRICA     0x07    // English (South Africa)\r\n"
      u8"#define SUBLANG_ENGLISH_JAMAICA          0x08    // English (Jamaica)\r\n"
      u8"#define SUBLANG_ENGLISH_CARIBBEAN        0x09    // English (Caribbean)\r\n"
      u8"#define SUBLANG_ENGLISH_BELIZE           0x0a    // English (Belize)\r\n"
      u8"#define SUBLANG_ENGLISH_TRINIDAD         0x0b    // English (Trinidad)\r\n"
      u8"#define SUBLANG_ENGLISH_ZIMBABWE         0x0c    // English (Zimbabwe)\r\n"
      u8"#define SUBLANG_ENGLISH_PHILIPPINES      0x0d    // English (Philippines)");
  return sample;
}

}  // namespace tablora

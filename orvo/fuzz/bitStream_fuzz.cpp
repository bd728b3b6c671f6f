// Reads hostile octets through every read operation, and checks that fields
// written at arbitrary bit offsets read back as written.
#include <orvo/bitStream.h>

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>
#include <vector>

namespace {

void readEverything(FuzzedDataProvider& input) {
  const std::vector<std::uint8_t> octets = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<int>(0, 64));
  orvo::bitStream in(octets.data(), static_cast<unsigned>(octets.size()), 128);
  try {
    while (input.remaining_bytes() > 0) {
      switch (input.ConsumeIntegralInRange<int>(0, 5)) {
        case 0:
          in.readBits(input.ConsumeIntegralInRange<unsigned>(0, 40));
          break;
        case 1:
          in.readOctet();
          break;
        case 2: {
          std::vector<std::uint8_t> out(input.ConsumeIntegralInRange<unsigned>(0, 80));
          in.readOctets(out.data(), static_cast<unsigned>(out.size()));
          break;
        }
        case 3:
          in.alignRead();
          break;
        case 4:
          in.data();
          break;
        default: {
          unsigned words[3];
          in.readBitsArray(words, input.ConsumeIntegralInRange<unsigned>(0, 96));
          break;
        }
      }
    }
  } catch (orvo::bitStream::exception* e) {
    delete e;
  }
}

void roundTrip(FuzzedDataProvider& input) {
  struct field {
    unsigned value;
    unsigned count;
    bool octet;
  };
  std::vector<field> fields;
  orvo::bitStream out(input.ConsumeIntegralInRange<unsigned>(1, 16));
  while (input.remaining_bytes() > 0 && fields.size() < 200) {
    field f{input.ConsumeIntegral<unsigned>(), input.ConsumeIntegralInRange<unsigned>(0, 32), input.ConsumeBool()};
    if (f.octet) {
      f.value &= 0xFF;
      out.writeOctet(f.value);
    } else {
      if (f.count < 32) f.value &= (1u << f.count) - 1;
      out.writeBits(f.value, f.count);
    }
    fields.push_back(f);
  }
  if (out.octetLength() == 0) return;
  orvo::bitStream in(out.data(), out.octetLength(), 128);
  for (const field& f : fields) {
    const unsigned back = f.octet ? in.readOctet() : in.readBits(f.count);
    if (back != f.value) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  if (input.ConsumeBool()) {
    readEverything(input);
  } else {
    roundTrip(input);
  }
  return 0;
}

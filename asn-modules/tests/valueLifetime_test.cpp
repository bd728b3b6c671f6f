// Values outlive, leave and change messages: recycled storage must never
// tie a value to the message or the thread that made it.
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <orvo/blockCache.h>

#include <asn/perCodec.h>
#include <h225/h225.h>

#include <gtest/gtest.h>

#include "orvoTesting.h"
#include "rasSamples.h"

namespace {

using octets = std::string;

octets encoded(const asn::object& value) {
  asn::per::codec encoder;
  value.encode(encoder);
  return octets(reinterpret_cast<const char*>(encoder.stream().data()), encoder.stream().octetLength());
}

std::unique_ptr<H225::rasMessage> decoded(const octets& data) {
  auto message = std::make_unique<H225::rasMessage>();
  asn::per::codec decoder(data.data(), unsigned(data.size()));
  message->decode(decoder);
  return message;
}

H225::registrationRequest& registration(H225::rasMessage& message) {
  return *static_cast<H225::registrationRequest*>(message.alternative());
}

}  // namespace

TEST(ValueLifetime, ComponentsMovedToAnotherMessageOutliveTheirOwn) {
  const octets full = encoded(*fullRegistrationRequest());
  auto target = decoded(full);
  H225::registrationRequest& to = registration(*target);
  // The aliases, the time to live (an addition) and the vendor's product
  // text come from a message that is gone before the target is coded.
  orvo::string product;
  {
    auto source = decoded(full);
    H225::registrationRequest& from = registration(*source);
    const asn::sequenceDescriptor& d = H225::registrationRequest::descriptor;
    for (unsigned i = 0; i < d.count; ++i) {
      if (!d.components[i].heldByPointer()) continue;
      asn::object* taken = from.component(i);
      d.components[i].set(from, nullptr);
      to.setComponent(i, taken);
    }
    product = from.endpointVendor.productId->value();
  }
  EXPECT_EQ(full, encoded(*target));
  EXPECT_EQ("orvo gateway", toStd(product));
}

TEST(ValueLifetime, CopiesSurviveTheMessageTheyWereTakenFrom) {
  const octets full = encoded(*fullRegistrationRequest());
  std::unique_ptr<H225::rasMessage> copy;
  std::unique_ptr<asn::object> alternative;
  {
    auto message = decoded(full);
    copy = std::make_unique<H225::rasMessage>(*message);
    alternative.reset(H225::registrationRequest::create());
    alternative->assign(*message->alternative());
  }
  EXPECT_EQ(full, encoded(*copy));
  H225::rasMessage rebuilt;
  rebuilt.setAlternative(copy->index(), alternative.release());
  EXPECT_EQ(full, encoded(rebuilt));
}

TEST(ValueLifetime, MessagesMadeInOneThreadDieInAnother) {
  // A thread's recycled blocks are released by the thread that ends the
  // value; each direction is taken in turn, after the other thread ended.
  std::vector<octets> samples;
  for (const rasSample& s : rasSamples()) samples.push_back(encoded(*s.message));
  std::vector<std::unique_ptr<H225::rasMessage>> made;
  std::thread maker([&] {
    for (int round = 0; round < 3; ++round)
      for (const octets& s : samples) made.push_back(decoded(s));
  });
  maker.join();
  for (size_t i = 0; i < made.size(); ++i) EXPECT_EQ(samples[i % samples.size()], encoded(*made[i])) << i;
  made.resize(made.size() / 2);
  std::thread ender([&] { made.clear(); });
  ender.join();
  for (const octets& s : samples) EXPECT_EQ(s, encoded(*decoded(s)));
  EXPECT_LE(orvo::blockCache::keptOctets(), orvo::blockCache::limit);
}

TEST(ValueLifetime, InputThatFailsMidwayLeavesNothingBehind) {
  // Cut short or with a flipped bit, every sample either decodes or fails
  // with a library exception; what was built before the failure goes with
  // the value (the sanitizer build reports any leak).
  unsigned failures = 0;
  for (const rasSample& s : rasSamples()) {
    const octets whole = encoded(*s.message);
    std::vector<octets> broken;
    for (size_t n = 1; n < whole.size(); n += 5) broken.push_back(whole.substr(0, n));
    for (size_t bit = 0; bit < whole.size() * 8; bit += 11) {
      octets flipped = whole;
      flipped[bit / 8] = char(flipped[bit / 8] ^ (0x80 >> (bit % 8)));
      broken.push_back(flipped);
    }
    for (const octets& b : broken) {
      H225::rasMessage message;
      try {
        asn::per::codec decoder(b.data(), unsigned(b.size()));
        message.decode(decoder);
      } catch (orvo::exception* e) {
        delete e;
        ++failures;
      }
    }
  }
  EXPECT_GT(failures, 100u);
  EXPECT_LE(orvo::blockCache::keptOctets(), orvo::blockCache::limit);
}

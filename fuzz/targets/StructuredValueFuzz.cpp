// The structured-value decoder: any text and any size. A decoded value
// encodes back to the same digits (upper-case), a refused one leaves the
// buffer alone, and any bytes encode and decode back.
#include "FuzzCheck.h"

#include "profile/StructuredValue.h"

#include <cctype>
#include <string>
#include <vector>

namespace {

constexpr size_t kMaxSize = 1024;
constexpr uint8_t kUntouched = 0xA5;

std::string UpperCase(std::string text) {
    for (char& c : text) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const bool fitting = input.ConsumeBool();
    const size_t guessedSize = input.ConsumeIntegralInRange<size_t>(0, kMaxSize);
    const std::string text = input.ConsumeRemainingBytesAsString();
    // Half the inputs use the size the text's length asks for.
    const size_t bufferSize = fitting && text.size() >= 2 ? (text.size() - 2) / 2 : guessedSize;

    std::vector<uint8_t> buffer(bufferSize + 1, kUntouched);
    const bool decoded = DecodeStructuredValue(text, buffer.data(), bufferSize);
    FUZZ_CHECK(buffer[bufferSize] == kUntouched);
    if (decoded) {
        FUZZ_CHECK(text.size() == 2 * bufferSize + 2);
        FUZZ_CHECK(EncodeStructuredValue(buffer.data(), bufferSize) == UpperCase(text));
    } else {
        FUZZ_CHECK(buffer == std::vector<uint8_t>(bufferSize + 1, kUntouched));
    }

    // The text's bytes as a value: encoded, then decoded back whole.
    const std::string encoded = EncodeStructuredValue(text.data(), text.size());
    FUZZ_CHECK(encoded.size() == 2 * text.size() + 2);
    std::string back(text.size(), '\0');
    FUZZ_CHECK(DecodeStructuredValue(encoded, back.data(), back.size()));
    FUZZ_CHECK(back == text);
    return 0;
}

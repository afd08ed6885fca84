// Whether this build runs under AddressSanitizer: its instrumented code runs
// several times slower and keeps freed memory resident, so bounds on time and
// memory hold for real builds only.
#pragma once

namespace scenario::test {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitizzato = true;
#elif defined(__has_feature)
inline constexpr bool kSanitizzato = __has_feature(address_sanitizer);
#else
inline constexpr bool kSanitizzato = false;
#endif

}  // namespace scenario::test

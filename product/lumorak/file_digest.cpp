#include "file_digest.h"

#include <wincrypt.h>

namespace lumorak {
namespace {

class CryptProvider {
 public:
  CryptProvider() {
    if (!CryptAcquireContextA(&provider_, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT)) {
      provider_ = 0;
    }
  }
  CryptProvider(const CryptProvider&) = delete;
  CryptProvider& operator=(const CryptProvider&) = delete;
  ~CryptProvider() {
    if (provider_ != 0) CryptReleaseContext(provider_, 0);
  }
  HCRYPTPROV get() const { return provider_; }

 private:
  HCRYPTPROV provider_ = 0;
};

class CryptHash {
 public:
  explicit CryptHash(HCRYPTPROV provider) {
    if (provider == 0 || !CryptCreateHash(provider, CALG_SHA_256, 0, 0, &hash_)) hash_ = 0;
  }
  CryptHash(const CryptHash&) = delete;
  CryptHash& operator=(const CryptHash&) = delete;
  ~CryptHash() {
    if (hash_ != 0) CryptDestroyHash(hash_);
  }
  HCRYPTHASH get() const { return hash_; }

 private:
  HCRYPTHASH hash_ = 0;
};

}  // namespace

FileDigest DigestOfOpenFile(HANDLE file) {
  FileDigest digest;
  CryptProvider provider;
  CryptHash hash(provider.get());
  if (hash.get() == 0) return digest;
  LARGE_INTEGER start{};
  if (!SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) return digest;
  unsigned char buffer[16384];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, buffer, sizeof(buffer), &got, nullptr)) return digest;
    if (got == 0) break;
    if (!CryptHashData(hash.get(), buffer, got, 0)) return digest;
    digest.size += got;
  }
  DWORD length = static_cast<DWORD>(digest.sha256.size());
  if (!CryptGetHashParam(hash.get(), HP_HASHVAL, digest.sha256.data(), &length, 0) ||
      length != digest.sha256.size()) {
    return digest;
  }
  digest.read = true;
  return digest;
}

}  // namespace lumorak

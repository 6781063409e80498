/* Loaded with LD_PRELOAD by the tests of a system where MD5 cannot be had:
 * OpenSSL then offers no MD5 to the program, every other algorithm as
 * usual, so that the path from "no digest" to the reports is tested end to
 * end without a seam in the program. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <strings.h>

typedef struct evp_md_st EVP_MD;
typedef struct ossl_lib_ctx_st OSSL_LIB_CTX;

EVP_MD* EVP_MD_fetch(OSSL_LIB_CTX* context, const char* algorithm, const char* properties)
{
    typedef EVP_MD* (*Fetch)(OSSL_LIB_CTX*, const char*, const char*);
    static Fetch real;
    if (algorithm != 0 && strcasecmp(algorithm, "MD5") == 0)
        return 0;
    if (real == 0)
        *(void**)&real = dlsym(RTLD_NEXT, "EVP_MD_fetch");
    return real(context, algorithm, properties);
}

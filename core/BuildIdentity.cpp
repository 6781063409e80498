#include "BuildIdentity.h"

#include "RsaPublicDecrypt.h"

#include <QCoreApplication>
#include <QCryptographicHash>

using ardentix::engine::BuiltInModulus;
using ardentix::engine::BuiltInModulusIsDevelopmentKey;

#ifndef ARDENTIX_VERSION_TEXT
#error "ARDENTIX_VERSION_TEXT must give the program's version"
#endif

namespace BuildIdentity {

QString Version()
{
    return QStringLiteral(ARDENTIX_VERSION_TEXT);
}

QString CopyrightYear()
{
    return QStringLiteral("2012");
}

QByteArray KeyFingerprint()
{
    QByteArray modulus = QByteArray::fromHex(QByteArray(BuiltInModulus()));
    const int size = 256;
    while (modulus.size() > size && modulus.startsWith('\0'))
        modulus.remove(0, 1);
    if (modulus.size() < size)
        modulus.prepend(QByteArray(size - modulus.size(), '\0'));
    return QCryptographicHash::hash(modulus, QCryptographicHash::Sha256).toHex();
}

bool IsDevelopmentKey()
{
    return BuiltInModulusIsDevelopmentKey();
}

QString DevelopmentNotice()
{
    return QObject::tr("Development build: this program carries the development key, whose private half is public. "
                       "Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real "
                       "evidence.");
}

} // namespace BuildIdentity

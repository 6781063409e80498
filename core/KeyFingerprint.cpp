#include "KeyFingerprint.h"

#include "RsaPublicDecrypt.h"

#include <QCryptographicHash>

QByteArray BuiltInKeyFingerprint()
{
    QByteArray modulus = QByteArray::fromHex(QByteArray(BuiltInModulus()));
    const int size = 256;
    while (modulus.size() > size && modulus.startsWith('\0'))
        modulus.remove(0, 1);
    if (modulus.size() < size)
        modulus.prepend(QByteArray(size - modulus.size(), '\0'));
    return QCryptographicHash::hash(modulus, QCryptographicHash::Sha256).toHex();
}

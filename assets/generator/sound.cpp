#include "sound.h"

#include <QDataStream>
#include <QIODevice>

namespace artwork {

QByteArray LayingSound()
{
    const int rate = 22050;
    const int samples = rate / 4;
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + samples * 2);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2)
      << quint16(2) << quint16(16);
    s.writeRawData("data", 4);
    s << quint32(samples * 2);
    for (int i = 0; i < samples; ++i)
        s << qint16(0);
    return out;
}

} // namespace artwork

#include "importing/ZipMemberDevice.h"

#include <zip.h>

ZipMemberDevice::ZipMemberDevice(zip_file *file)
    : m_file(file)
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

ZipMemberDevice::~ZipMemberDevice()
{
    zip_fclose(m_file);
}

qint64 ZipMemberDevice::readData(char *data, qint64 maxSize)
{
    if (m_damaged)
        return -1;
    const zip_int64_t read = zip_fread(m_file, data, static_cast<zip_uint64_t>(maxSize));
    if (read < 0) {
        m_damaged = true;
        setErrorString(QString::fromUtf8(zip_file_strerror(m_file)));
    }
    return read;
}

qint64 ZipMemberDevice::writeData(const char *, qint64)
{
    return -1;
}

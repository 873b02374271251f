#pragma once

#include <QIODevice>

struct zip_file;

// One member of a ZipArchive, decompressed as it is read. Damaged data
// (a wrong checksum, a member cut off) is a read error, and damaged() says so
// afterwards, since a reader that stops at an error cannot tell it from the end.
class ZipMemberDevice : public QIODevice {
    Q_OBJECT

public:
    explicit ZipMemberDevice(zip_file *file);
    ~ZipMemberDevice() override;

    bool isSequential() const override { return true; }
    bool damaged() const { return m_damaged; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    zip_file *m_file;
    bool m_damaged = false;
};

#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <memory>

namespace talk {

// One fetched talk. When `error` is not empty the data was missing or damaged: it says
// what is wrong, naming the talk number or the file, and the caller shows it instead of
// the talk. `text` then holds only the whole records that could be read (often nothing).
struct TalkText {
    QString text;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// The two talk data files of the program folder's Talk folder: the index TalkIx.dat
// (4-byte positions, one per talk number) and the text file TalkDt.dat (records of a
// 2-byte length and CP932 text). Both stay open from open() to close(). A fetch never
// reads past the end of either file.
class TalkData {
public:
    TalkData() = default;
    ~TalkData() { close(); }
    TalkData(const TalkData&) = delete;
    TalkData& operator=(const TalkData&) = delete;

    // Opens "\Talk\TalkIx.dat" and "\Talk\TalkDt.dat" below the program folder.
    bool open();
    // Opens the two given files. On failure neither stays open and openError() names
    // the file that could not be opened.
    bool open(const QString& indexPath, const QString& dataPath);
    // Reads the two files from bytes already in memory (the index, then the text file),
    // named as the program folder's files in messages.
    void openBytes(const QByteArray& index, const QByteArray& data);
    void close();
    bool isOpen() const { return m_index && m_data && m_index->isOpen() && m_data->isOpen(); }
    QString openError() const { return m_openError; }
    // Reads both open files whole and says what is wrong with them, naming the file:
    // an index that is not whole 4-byte records or names no talk, a text file that ends
    // inside a record or after a record without the end mark, an index position that is
    // not the start of a record. Empty when they are sound.
    QString damage();

    // Talk n (n > 0) by its index record; n <= 0 continues with the talk stored right
    // after the one fetched last. The end mark is removed.
    TalkText fetch(int n);
    // A text given in place of a number is the talk itself; the files are not touched.
    TalkText fetch(const QString& text) const { return {text, {}}; }

    // The 1-based position in TalkDt.dat where a continuing fetch reads next; 0 when
    // there is nothing to continue from (no fetch yet, or the last one failed).
    qint64 nextPosition() const { return m_next; }

private:
    TalkText fail(TalkText result, const QString& error);
    bool readAt(QIODevice& file, qint64 offset, char* into, qint64 size);
    void opened();

    std::unique_ptr<QIODevice> m_index;
    std::unique_ptr<QIODevice> m_data;
    QString m_indexName;
    QString m_dataName;
    qint64 m_indexSize = 0;
    qint64 m_dataSize = 0;
    qint64 m_next = 0;
    QString m_openError;
};

} // namespace talk

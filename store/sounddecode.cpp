// Decoding of the WAVE resources with libsndfile, straight from memory.
#include "sound.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <mutex>

// The sound clips are compiled into a static library, whose resource
// registration the linker would drop unless something asks for it.
static void RegisterSoundResources() {
    Q_INIT_RESOURCE(sounds);
}

namespace {

// A read-only view of bytes in memory, as libsndfile's virtual I/O sees it.
struct TMemoryFile {
    const QByteArray& Bytes;
    sf_count_t Position = 0;
};

TMemoryFile& FileOf(void* user) {
    return *static_cast<TMemoryFile*>(user);
}

sf_count_t MemoryLength(void* user) {
    return FileOf(user).Bytes.size();
}

sf_count_t MemorySeek(sf_count_t offset, int whence, void* user) {
    TMemoryFile& file = FileOf(user);
    const sf_count_t size = file.Bytes.size();
    sf_count_t base = 0;
    if (whence == SEEK_CUR)
        base = file.Position;
    else if (whence == SEEK_END)
        base = size;
    file.Position = std::clamp<sf_count_t>(base + offset, 0, size);
    return file.Position;
}

sf_count_t MemoryRead(void* destination, sf_count_t count, void* user) {
    TMemoryFile& file = FileOf(user);
    const sf_count_t available = file.Bytes.size() - file.Position;
    const sf_count_t taken = std::clamp<sf_count_t>(count, 0, available);
    std::memcpy(destination, file.Bytes.constData() + file.Position, static_cast<size_t>(taken));
    file.Position += taken;
    return taken;
}

sf_count_t MemoryWrite(const void*, sf_count_t, void*) {
    return 0;
}

sf_count_t MemoryTell(void* user) {
    return FileOf(user).Position;
}

TSoundEncoding EncodingOf(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8:
        return TSoundEncoding::PcmU8;
    case SF_FORMAT_PCM_16:
        return TSoundEncoding::Pcm16;
    case SF_FORMAT_IMA_ADPCM:
        return TSoundEncoding::ImaAdpcm;
    default:
        return TSoundEncoding::Unknown;
    }
}

TDecodedSound Decode(const QByteArray& bytes) {
    TDecodedSound sound;
    TMemoryFile file{bytes};
    SF_VIRTUAL_IO io{MemoryLength, MemorySeek, MemoryRead, MemoryWrite, MemoryTell};
    SF_INFO info{};
    SNDFILE* handle = sf_open_virtual(&io, SFM_READ, &info, &file);
    if (!handle)
        return sound;
    if (info.channels > 0) {
        sound.SampleRate = info.samplerate;
        sound.Channels = info.channels;
        sound.Encoding = EncodingOf(info.format);
        // Read until the data ends rather than trust the header's frame count.
        std::vector<std::int16_t> block(4096 * static_cast<size_t>(info.channels));
        const auto blockFrames = static_cast<sf_count_t>(block.size()) / info.channels;
        sf_count_t got = 0;
        while ((got = sf_readf_short(handle, block.data(), blockFrames)) > 0)
            sound.Samples.insert(sound.Samples.end(), block.begin(),
                                 block.begin() + got * info.channels);
    }
    sf_close(handle);
    return sound;
}

} // namespace

TDecodedSound DecodeSoundResource(TSoundClip clip) {
    static std::once_flag registered;
    std::call_once(registered, RegisterSoundResources);
    QFile resource(QStringLiteral(":/sounds/") + QLatin1String(SoundResourceName(clip)));
    if (!resource.open(QIODevice::ReadOnly))
        return {};
    return Decode(resource.readAll());
}

#include "clip/core/GifBytes.h"

#include <cstring>

namespace rolva {

namespace {

constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kImageSeparator = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kControlLabel = 0xF9;
constexpr std::uint8_t kApplicationLabel = 0xFF;
constexpr std::uint8_t kTableFlag = 0x80;
constexpr std::uint8_t kTableSizeBits = 0x07;
constexpr std::uint8_t kTransparencyFlag = 0x01;
constexpr std::uint8_t kDisposeNone = 1 << 2;  // "do not dispose": the next frame draws over this one
constexpr std::uint16_t kMostDelayCs = 0xFFFF;

// Reads forward through the bytes; once a read would pass the end, every later read fails too.
class Reader {
public:
    Reader(const std::uint8_t* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    bool ok() const { return ok_; }
    std::size_t position() const { return position_; }

    std::uint8_t Byte()
    {
        if (!Has(1))
            return 0;
        return bytes_[position_++];
    }
    std::uint16_t Word()
    {
        const std::uint8_t low = Byte();
        const std::uint8_t high = Byte();
        return static_cast<std::uint16_t>(low | (high << 8));
    }
    std::vector<std::uint8_t> Bytes(std::size_t count)
    {
        if (!Has(count))
            return {};
        std::vector<std::uint8_t> out(bytes_ + position_, bytes_ + position_ + count);
        position_ += count;
        return out;
    }
    // Sub-blocks up to and including the empty one that ends them, appended to out.
    void SubBlocks(std::vector<std::uint8_t>* out)
    {
        for (;;) {
            const std::uint8_t length = Byte();
            if (!ok_)
                return;
            out->push_back(length);
            if (length == 0)
                return;
            if (!Has(length))
                return;
            out->insert(out->end(), bytes_ + position_, bytes_ + position_ + length);
            position_ += length;
        }
    }

private:
    bool Has(std::size_t count)
    {
        if (!ok_ || count > size_ - position_)
            ok_ = false;
        return ok_;
    }

    const std::uint8_t* bytes_;
    std::size_t size_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

std::size_t TableBytes(std::uint8_t flags) { return 3u << ((flags & kTableSizeBits) + 1); }

void PutWord(std::vector<std::uint8_t>* out, std::uint16_t value)
{
    out->push_back(static_cast<std::uint8_t>(value & 0xFF));
    out->push_back(static_cast<std::uint8_t>(value >> 8));
}

bool IsLoopApplication(const std::vector<std::uint8_t>& blocks)
{
    // blocks: 11, "NETSCAPE2.0" or "ANIMEXTS1.0", then the data sub-blocks.
    return blocks.size() >= 12 && blocks[0] == 11 &&
           (std::memcmp(&blocks[1], "NETSCAPE2.0", 11) == 0 || std::memcmp(&blocks[1], "ANIMEXTS1.0", 11) == 0);
}

std::optional<std::uint16_t> LoopCountOf(const std::vector<std::uint8_t>& blocks)
{
    // The loop sub-block: 3, 1, count low, count high.
    if (blocks.size() >= 16 && blocks[12] == 3 && blocks[13] == 1)
        return static_cast<std::uint16_t>(blocks[14] | (blocks[15] << 8));
    return std::nullopt;
}

bool ReadExtension(Reader& in, GifFile* file, GifImage* pending)
{
    const std::uint8_t label = in.Byte();
    std::vector<std::uint8_t> blocks;
    in.SubBlocks(&blocks);
    if (!in.ok())
        return false;
    if (label == kControlLabel) {
        // 4, packed, delay low, delay high, transparent index, 0
        if (blocks.size() < 5 || blocks[0] < 4)
            return false;
        pending->hasControl = true;
        pending->controlFlags = blocks[1];
        pending->delayCs = static_cast<std::uint16_t>(blocks[2] | (blocks[3] << 8));
        pending->transparentIndex = blocks[4];
        return true;
    }
    if (label == kApplicationLabel && IsLoopApplication(blocks)) {
        file->loopCount = LoopCountOf(blocks);
        return true;
    }
    pending->extensions.push_back(kExtensionIntroducer);
    pending->extensions.push_back(label);
    pending->extensions.insert(pending->extensions.end(), blocks.begin(), blocks.end());
    return true;
}

bool ReadImage(Reader& in, GifImage* image)
{
    image->left = in.Word();
    image->top = in.Word();
    image->width = in.Word();
    image->height = in.Word();
    image->flags = in.Byte();
    if (in.ok() && (image->flags & kTableFlag))
        image->localTable = in.Bytes(TableBytes(image->flags));
    image->data.push_back(in.Byte());  // LZW minimum code size
    in.SubBlocks(&image->data);
    return in.ok();
}

void WriteImage(const GifImage& image, std::vector<std::uint8_t>* out)
{
    out->insert(out->end(), image.extensions.begin(), image.extensions.end());
    if (image.hasControl) {
        const std::uint8_t control[] = {kExtensionIntroducer, kControlLabel, 4, image.controlFlags,
                                        static_cast<std::uint8_t>(image.delayCs & 0xFF),
                                        static_cast<std::uint8_t>(image.delayCs >> 8), image.transparentIndex, 0};
        out->insert(out->end(), std::begin(control), std::end(control));
    }
    out->push_back(kImageSeparator);
    PutWord(out, image.left);
    PutWord(out, image.top);
    PutWord(out, image.width);
    PutWord(out, image.height);
    out->push_back(image.flags);
    out->insert(out->end(), image.localTable.begin(), image.localTable.end());
    out->insert(out->end(), image.data.begin(), image.data.end());
}

// Both draw the same pixels in the same place: merging them changes nothing a viewer shows.
bool DrawsTheSame(const GifImage& a, const GifImage& b)
{
    return a.extensions.empty() && b.extensions.empty() && a.controlFlags == b.controlFlags &&
           a.transparentIndex == b.transparentIndex && a.left == b.left && a.top == b.top &&
           a.width == b.width && a.height == b.height && a.flags == b.flags && a.localTable == b.localTable &&
           a.data == b.data;
}

// A table's size bits for a table of the given length (a power of two from 2 to 256 colours).
std::uint8_t TableSizeBits(std::size_t tableBytes)
{
    std::uint8_t bits = 0;
    while (bits < 7 && (3u << (bits + 1)) < tableBytes)
        ++bits;
    return bits;
}

}  // namespace

std::optional<GifFile> ParseGif(const std::uint8_t* bytes, std::size_t size)
{
    Reader in(bytes, size);
    const std::vector<std::uint8_t> signature = in.Bytes(6);
    if (!in.ok() || (std::memcmp(signature.data(), "GIF87a", 6) != 0 && std::memcmp(signature.data(), "GIF89a", 6) != 0))
        return std::nullopt;
    GifFile file;
    file.width = in.Word();
    file.height = in.Word();
    file.flags = in.Byte();
    file.background = in.Byte();
    file.aspect = in.Byte();
    if (in.ok() && (file.flags & kTableFlag))
        file.globalTable = in.Bytes(TableBytes(file.flags));
    GifImage pending;
    while (in.ok()) {
        const std::uint8_t introducer = in.Byte();
        if (!in.ok())
            break;
        if (introducer == kTrailer) {
            file.extensionsAtEnd = pending.extensions;
            return file;
        }
        if (introducer == kExtensionIntroducer) {
            if (!ReadExtension(in, &file, &pending))
                return std::nullopt;
        } else if (introducer == kImageSeparator) {
            if (!ReadImage(in, &pending))
                return std::nullopt;
            file.images.push_back(std::move(pending));
            pending = GifImage{};
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::vector<std::uint8_t> WriteGif(const GifFile& file)
{
    std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
    PutWord(&out, file.width);
    PutWord(&out, file.height);
    out.push_back(file.flags);
    out.push_back(file.background);
    out.push_back(file.aspect);
    out.insert(out.end(), file.globalTable.begin(), file.globalTable.end());
    if (file.loopCount) {
        const std::uint8_t loop[] = {kExtensionIntroducer, kApplicationLabel, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E',
                                     '2', '.', '0', 3, 1, static_cast<std::uint8_t>(*file.loopCount & 0xFF),
                                     static_cast<std::uint8_t>(*file.loopCount >> 8), 0};
        out.insert(out.end(), std::begin(loop), std::end(loop));
    }
    for (const GifImage& image : file.images)
        WriteImage(image, &out);
    out.insert(out.end(), file.extensionsAtEnd.begin(), file.extensionsAtEnd.end());
    out.push_back(kTrailer);
    return out;
}

std::optional<std::vector<std::uint8_t>> FinishClipGif(const std::vector<std::uint8_t>& encoded, const GifEdit& edit)
{
    std::optional<GifFile> file = ParseGif(encoded.data(), encoded.size());
    if (!file || file->images.size() != edit.frames.size())
        return std::nullopt;
    if (edit.screenWidth)
        file->width = edit.screenWidth;
    if (edit.screenHeight)
        file->height = edit.screenHeight;
    file->loopCount = edit.loopForever ? std::optional<std::uint16_t>(0) : std::nullopt;

    if (file->globalTable.empty() && !file->images.empty() && !file->images.front().localTable.empty()) {
        const GifImage& first = file->images.front();
        file->globalTable = first.localTable;
        // The colour resolution bits (4-6) copy the size bits; the sort flag stays clear.
        const std::uint8_t bits = TableSizeBits(first.localTable.size());
        file->flags = static_cast<std::uint8_t>(kTableFlag | (bits << 4) | bits);
    }

    std::vector<GifImage> finished;
    for (std::size_t i = 0; i < file->images.size(); ++i) {
        GifImage image = std::move(file->images[i]);
        const GifFrameEdit& frame = edit.frames[i];
        image.left = frame.left;
        image.top = frame.top;
        image.hasControl = true;
        image.delayCs = frame.delayCs;
        image.controlFlags = kDisposeNone;
        image.transparentIndex = 0;
        if (edit.transparentIndex) {
            image.controlFlags |= kTransparencyFlag;
            image.transparentIndex = *edit.transparentIndex;
        }
        if (!image.localTable.empty() && image.localTable == file->globalTable) {
            image.localTable.clear();
            // Clears the table flag and its size bits; interlacing and sorting stay as they were.
            image.flags = static_cast<std::uint8_t>(image.flags & ~(kTableFlag | kTableSizeBits | 0x20));
        }
        if (!finished.empty() && DrawsTheSame(finished.back(), image) &&
            std::uint32_t{finished.back().delayCs} + image.delayCs <= kMostDelayCs) {
            finished.back().delayCs = static_cast<std::uint16_t>(finished.back().delayCs + image.delayCs);
            continue;
        }
        finished.push_back(std::move(image));
    }
    file->images = std::move(finished);
    return WriteGif(*file);
}

}  // namespace rolva

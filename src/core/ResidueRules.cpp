// The tables the classifier judges a read-back by: what identifies (a tag's name, its
// group, its value) and what a picture or a movie needs to be shown. Rows are added here
// as formats are; the judging itself is in ResidueClassifier.cpp.

#include "core/ResidueRules_p.h"

using namespace Qt::StringLiterals;

namespace ResidueRules {

namespace {

// What counts as identifying, by tag name (ExifTool's, case-insensitive) and, where the
// name alone is too wide, by group. The first matching row decides.
struct Rule {
    ResidueCategory category;
    const char *group; // regular expression on the "-G1" group, or nullptr for any
    const char *name; // regular expression on the tag name
    const char *value = nullptr; // regular expression on the value, or nullptr for any
};

const Rule identifyingRows[] = {
    // location: GPS in any group and under any prefix (C2PA's JSON:ExifGPSLatitude),
    // GeoTIFF georeferencing, named places
    {ResidueCategory::Location, "^GPS$", "^(?!GPSVersionID$).*"},
    {ResidueCategory::Location, nullptr, "GPS(?!VersionID$)|Latitude|Longitude"},
    {ResidueCategory::Location, "^GeoTIFF$", ".*"},
    {ResidueCategory::Location, nullptr,
        "^(ModelTiePoint|PixelScale|ModelPixelScale|ModelTransform|GDALMetadata|GeoTiff\\w*|Geolocation\\w*)$"},
    {ResidueCategory::Location, nullptr,
        "^(Location|LocationName|LocationCreated\\w*|LocationShown\\w*|Sub-?location|City|State|Province-?State|"
        "Country|CountryCode|CountryName|Country-PrimaryLocation(Name|Code)|WorldRegion|TimeZoneCity)$"},
    // device: serial numbers anywhere, unique IDs, the raw file's name, the computer, the
    // camera's make and model and the labels an owner gives it
    {ResidueCategory::Device, nullptr, "Serial"},
    {ResidueCategory::Device, nullptr,
        "^(ImageUniqueID|RawDataUniqueID|OriginalRawFileName|HostComputer|CameraID|UniqueCameraID|"
        "ShutterCount|MechanicalShutterCount|CameraLabel|Make|Model|UniqueCameraModel|LocalizedCameraModel|"
        "LensMake|LensModel|CanonModelID|InternalSerialNumber)$"},
    // person: names, contacts, faces
    {ResidueCategory::Person, nullptr,
        "^(Artist|Creator|By-?line|By-?lineTitle|Copyright|CopyrightNotice|Rights|Authors|AuthorsPosition|"
        "OwnerName|CameraOwnerName|Owner|XPAuthor|Credit|Contact|Writer-?Editor|CaptionWriter|Publisher|"
        "Contributor|UsageTerms|CreatorContactInfo|Creator(Address|City|Country|Region|PostalCode|Work\\w+)|"
        "CopyrightOwner\\w*|ImageCreator\\w*|Licensor\\w*|ProfileCopyright|PersonInImage\\w*|Region\\w*Name|"
        "RegionPersonDisplayName|RegionInfo\\w*)$"},
    {ResidueCategory::Person, nullptr, "Author|E-?mail|Owner"},
    // time: capture, creation and change dates in every group but the file system's
    {ResidueCategory::Time, nullptr,
        "^(DateTimeOriginal|CreateDate|ModifyDate|DateCreated|TimeCreated|DigitalCreation(Date|Time)|"
        "DateTimeDigitized|DateTimeCreated|MetadataDate|DateTime|OffsetTime\\w*|SubSec(CreateDate|DateTimeOriginal|"
        "ModifyDate)|(Track|Media)(Create|Modify)Date|DateSent|TimeSent|ReleaseDate|ReleaseTime|DateAcquired|"
        "\\w*(Print|Layer|Ticket)\\w*(Date|Time)|TimeStamp|CalibrationDateTime)$"},
    // software
    {ResidueCategory::Software, nullptr,
        "^(Software|CreatorTool|History\\w*|ProcessingSoftware|OriginatingProgram|ProgramVersion|CreatorSoftware|"
        "XMPToolkit|WriterName|ReaderName)$"},
    // identifier: IDs that link a copy to its original or to other shots, printers
    {ResidueCategory::Identifier, nullptr,
        "^(DocumentID|InstanceID|OriginalDocumentID|DerivedFrom\\w*|IPTCDigest|PrinterName|PrintInfo2?|"
        "PrintTicket\\w*|PreservedFileName|UniqueDocumentID|URL|URL_List|ContentIdentifier|MediaGroupUUID|"
        "BurstUUID|TargetPrinter|ReelName|SlicesGroupName|ImageNumber|FileNumber|DocumentName|PageName)$"},
};

// What a picture needs to be decoded and shown, by group and name: these are never
// residue. Everything a read-back shows that is neither this, bookkeeping nor a colour
// profile's structure is residue.
const Rule allowedRows[] = {
    // TIFF and Exif structure, in whichever IFD it sits
    {ResidueCategory::Other, "^(IFD\\d+|SubIFD\\d*|ExifIFD|InteropIFD|PreviewIFD)$",
        "^(ImageWidth|ImageHeight|BitsPerSample|Compression|PhotometricInterpretation|Orientation|SamplesPerPixel|"
        "RowsPerStrip|StripOffsets|StripByteCounts|PlanarConfiguration|XResolution|YResolution|ResolutionUnit|"
        "Predictor|FillOrder|SubfileType|OldSubfileType|TileWidth|TileLength|TileOffsets|TileByteCounts|"
        "ExtraSamples|SampleFormat|SMinSampleValue|SMaxSampleValue|MinSampleValue|MaxSampleValue|ColorMap|"
        "YCbCrCoefficients|YCbCrSubSampling|YCbCrPositioning|ReferenceBlackWhite|WhitePoint|"
        "PrimaryChromaticities|TransferFunction|TransferRange|JPEGTables|JPEGProc|Thresholding|CellWidth|"
        "CellLength|GrayResponseUnit|GrayResponseCurve|T4Options|T6Options|HalftoneHints|InkSet|NumberofInks|"
        "DotRange|ExifVersion|FlashpixVersion|ColorSpace|Gamma|ComponentsConfiguration|ExifImageWidth|"
        "ExifImageHeight|InteropIndex|InteropVersion|RelatedImageWidth|RelatedImageHeight|GDALNoData|"
        "PageNumber|ExifByteOrder)$"},
    {ResidueCategory::Other, "^JFIF$", "^(JFIFVersion|ResolutionUnit|XResolution|YResolution)$"},
    {ResidueCategory::Other, "^Adobe$", "^(DCTEncodeVersion|APP14Flags[01]|ColorTransform)$"},
    {ResidueCategory::Other, "^PNG$",
        "^(ImageWidth|ImageHeight|BitDepth|ColorType|Compression|Filter|Interlace|Gamma|WhitePoint[XY]|"
        "(Red|Green|Blue)[XY]|SRGBRendering|PixelsPerUnit[XY]|PixelUnits|Palette|Transparency|BackgroundColor|"
        "SignificantBits|AnimationFrames|AnimationPlays|ColorPrimaries|TransferCharacteristics|"
        "MatrixCoefficients|VideoFullRangeFlag)$"},
    {ResidueCategory::Other, "^GIF$",
        "^(GIFVersion|ImageWidth|ImageHeight|HasColorMap|ColorResolutionDepth|BitsPerPixel|BackgroundColor|"
        "PixelAspectRatio|AnimationIterations|Duration|FrameCount|TransparentColor|Interlaced)$"},
    {ResidueCategory::Other, "^RIFF$",
        "^(ImageWidth|ImageHeight|VP8Version|HorizontalScale|VerticalScale|WebP_Flags|Alpha\\w+|BackgroundColor|"
        "AnimationLoopCount|Duration|FrameCount)$"},
    {ResidueCategory::Other, "^Jpeg2000$",
        "^(MajorBrand|MinorVersion|CompatibleBrands|ImageHeight|ImageWidth|NumberOfComponents|BitsPerComponent|"
        "Compression|ColorSpec\\w*|ColorSpace|(Capture|Display)[XY]Resolution(Unit)?)$"},
    // HEIF and AVIF: boxes, codec set-up, colour, rotation; "free" boxes are padding
    {ResidueCategory::Other, "^(QuickTime|Meta)$",
        "^(MajorBrand|MinorVersion|CompatibleBrands|HandlerType|PrimaryItemReference|MetaImageSize|"
        "ImageSpatialExtent|ImagePixelDepth|MediaData|MediaDataOffset|MediaDataSize|HEVCConfigurationVersion|"
        "GeneralProfileSpace|GeneralTierFlag|GeneralProfileIDC|GenProfileCompatibilityFlags|"
        "ConstraintIndicatorFlags|GeneralLevelIDC|MinSpatialSegmentationIDC|ParallelismType|ChromaFormat|"
        "BitDepthLuma|BitDepthChroma|AverageFrameRate|ConstantFrameRate|NumTemporalLayers|TemporalIDNested|"
        "ColorProfiles|ColorPrimaries|TransferCharacteristics|MatrixCoefficients|VideoFullRangeFlag|Rotation|"
        "ImageMirror|AV1ConfigurationVersion|SeqProfile|SeqLevelIdx0|SeqTier0|HighBitDepth|TwelveBit|"
        "MonoChrome|ChromaSubsampling\\w*|ChromaSamplePosition|InitialDelaySamples|AuxiliaryImageType|"
        "PixelAspectRatio|CleanAperture\\w*|Free|Skip)$"},
    // a movie as ffmpeg writes it: headers, sample tables, codec set-up, rotation, colour
    // and projection. The handler names ffmpeg gives its tracks and the vendor it names
    // are values of their own, allowed below; dates are allowed only zeroed (blank).
    {ResidueCategory::Other, "^(QuickTime|Track\\d+)$",
        "^(MajorBrand|MinorVersion|CompatibleBrands|Wide|Free|Skip|MediaData|MediaDataSize|MediaDataOffset|"
        "MovieHeaderVersion|TimeScale|Duration|PreferredRate|PreferredVolume|MatrixStructure|PreviewTime|"
        "PreviewDuration|PosterTime|SelectionTime|SelectionDuration|CurrentTime|NextTrackID|TrackHeaderVersion|"
        "TrackID|TrackDuration|TrackLayer|TrackVolume|ImageWidth|ImageHeight|Unknown_(edts|mp4a|esds|btrt|pasp|"
        "colr|fiel|chan|sv3d|st3d|dvcC|dvvC|mdcv|clli)|MediaHeaderVersion|MediaTimeScale|MediaDuration|"
        "MediaLanguageCode|HandlerClass|HandlerType|GraphicsMode|OpColor|CompressorID|SourceImageWidth|"
        "SourceImageHeight|XResolution|YResolution|BitDepth|(AVC|HEVC|AV1|VVC)Configuration|PixelAspectRatio|"
        "VideoFrameRate|SyncSampleTable|CompositionTimeToSample|SampleToChunk|SampleSizes|ChunkOffset(64)?|"
        "TimeToSampleTable|Balance|AudioFormat|AudioBitsPerSample|AudioSampleRate|PurchaseFileFormat|LayoutFlags|"
        "AudioChannels|SampleGroupDescription|SampleToGroup|BufferSize|MaxBitrate|AverageBitrate|ColorProfiles|"
        "ColorPrimaries|TransferCharacteristics|MatrixCoefficients|VideoFullRangeFlag|CleanAperture\\w*|"
        "Rotation|(Video)?FieldOrder|FieldCount|TimecodeFrameCount|SampleDependencyType|CompositionShift\\w*|"
        "ProjectionType|StereoMode|Spherical\\w*|AudioVendorID|EditList|EditListEntries|CompressorName)$"},
    {ResidueCategory::Other, "^(QuickTime|Track\\d+)$", "^HandlerDescription$",
        "^((Video|Sound|Data|Subtitle|Hint|TimeCode)Handler|)$"},
    {ResidueCategory::Other, "^(QuickTime|Track\\d+)$", "^(VendorID|HandlerVendorID)$", "^(FFmpeg|Apple|)$"},
    // a Photoshop document's header and how it is shown and printed
    {ResidueCategory::Other, "^Photoshop$",
        "^(BitDepth|ColorMode|NumChannels|ImageWidth|ImageHeight|Compression|HasRealMergedData|[XY]Resolution|"
        "DisplayedUnits[XY]|GlobalAngle|GlobalAltitude|ColorHalftoningInfo|ColorTransferFuncs|PrintFlags|"
        "PrintFlagsInfo|PrintScale|PrintPosition|PrintStyle|PixelAspectRatio|IDsBaseValue|LayerCount|NumSlices|"
        "GridGuidesInfo|CopyrightFlag|AlphaChannelsNames|ChannelOptions|LayerStateInfo|LayerGroupInfo|"
        "LayerIDs|LayerSelectionIDs|LayerGroupsEnabledID|ThumbnailFormat)$"},
    // a colour profile's header and its curves and tables; its text fields are checked apart
    {ResidueCategory::Other, "^ICC",
        "^(ProfileCMMType|ProfileVersion|ProfileClass|ColorSpaceData|ProfileConnectionSpace|ProfileDateTime|"
        "ProfileFileSignature|PrimaryPlatform|CMMFlags|DeviceManufacturer|DeviceModel|DeviceAttributes|"
        "RenderingIntent|ConnectionSpaceIlluminant|ProfileCreator|ProfileID|MediaWhitePoint|MediaBlackPoint|"
        "(Red|Green|Blue|Gray)(MatrixColumn|TRC)|ChromaticAdaptation|Luminance|Technology|AToB[012]|BToA[012]|"
        "Gamut|Preview[012]|Measurement\\w*|ViewingCond\\w*|ColorantTable\\w*|ColorantOrder|Chromaticity|"
        "PerceptualRenderingIntentGamut|SaturationRenderingIntentGamut|MakeAndModel|NativeDisplayInfo|"
        "VideoCardGamma|MultiLocalizedUnicode|CICP\\w*)$"},
};

QList<CompiledRule> compile(const Rule *begin, const Rule *end)
{
    QList<CompiledRule> list;
    for (const Rule *r = begin; r != end; ++r) {
        const auto opts = QRegularExpression::CaseInsensitiveOption;
        list.append(
            {r->category, r->group ? QRegularExpression(QString::fromLatin1(r->group), opts) : QRegularExpression(),
                QRegularExpression(QString::fromLatin1(r->name), opts),
                r->value ? QRegularExpression(QString::fromLatin1(r->value)) : QRegularExpression()});
    }
    return list;
}

} // namespace

const CompiledRule *firstMatch(const QList<CompiledRule> &table, const ReadBackTag &t)
{
    for (const CompiledRule &r : table) {
        if (!r.group.pattern().isEmpty() && !r.group.match(t.group).hasMatch())
            continue;
        if (r.name.match(t.name).hasMatch() && (r.value.pattern().isEmpty() || r.value.match(t.value).hasMatch()))
            return &r;
    }
    return nullptr;
}

const QList<CompiledRule> &identifying()
{
    static const QList<CompiledRule> compiled = compile(std::begin(identifyingRows), std::end(identifyingRows));
    return compiled;
}

const QList<CompiledRule> &allowed()
{
    static const QList<CompiledRule> compiled = compile(std::begin(allowedRows), std::end(allowedRows));
    return compiled;
}

} // namespace ResidueRules

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>BrowseForFolder</name>
    <message>
        <source>Select A Directory</source>
        <translation>选择文件夹</translation>
    </message>
</context>
<context>
    <name>CleanJob</name>
    <message>
        <source>Not cleaned: the run was stopped</source>
        <translation>未清理：运行已停止</translation>
    </message>
    <message>
        <source>%1: cannot create a work folder in %2: %3</source>
        <translation>%1：无法在 %2 中创建工作文件夹：%3</translation>
    </message>
    <message>
        <source>%1: cannot create the log in %2</source>
        <translation>%1：无法在 %2 中创建日志</translation>
    </message>
    <message>
        <source>Internal program error!</source>
        <translation>程序内部错误！</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>正在准备...</translation>
    </message>
    <message>
        <source>A prefix or suffix must be part of a file name: it cannot be empty or hold &apos;/&apos;.</source>
        <translation>前缀或后缀必须是文件名的一部分：不能为空，也不能包含 &apos;/&apos;。</translation>
    </message>
    <message>
        <source>Cleaning images...</source>
        <translation>正在清理图像...</translation>
    </message>
    <message>
        <source>ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside Quillmark.</source>
        <translation>未找到 ExifTool。请安装它（Debian 软件包 libimage-exiftool-perl），或将 exiftool 程序放在 Quillmark 所在的位置。</translation>
    </message>
    <message>
        <source>The argument file could not be written: %1</source>
        <translation>无法写入参数文件：%1</translation>
    </message>
    <message>
        <source>Obfuscating file dates...</source>
        <translation>正在混淆文件日期...</translation>
    </message>
    <message>
        <source>Checking files...</source>
        <translation>正在检查文件...</translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>已保留 1 个现有输出。</translation>
    </message>
    <message numerus="yes">
        <source>%n existing outputs were kept.</source>
        <translation>
            <numerusform>已保留 %n 个现有输出。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier output was left out.</source>
        <translation>已排除 1 个先前的输出。</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier outputs were left out.</source>
        <translation>
            <numerusform>已排除 %n 个先前的输出。</numerusform>
        </translation>
    </message>
    <message>
        <source>The run was stopped; the images cleaned so far are kept.</source>
        <translation>运行已停止；已清理的图像会保留。</translation>
    </message>
    <message>
        <source>Problems were reported. See log for details.</source>
        <translation>报告了问题。详情请查看日志。</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>已完成！</translation>
    </message>
    <message>
        <source>Error: ExifTool ended before it finished this image</source>
        <translation>错误：ExifTool 在处理完此图像之前就结束了</translation>
    </message>
    <message>
        <source>Error: The cleaned file would be damaged (%1); the original is kept</source>
        <translation>错误：清理后的文件会损坏（%1）；已保留原始文件</translation>
    </message>
    <message>
        <source>Error: The original is kept: %1</source>
        <translation>错误：已保留原始文件：%1</translation>
    </message>
    <message>
        <source>Not cleaned: in use by another run or program (%1)</source>
        <translation>未清理：正被另一次运行或其他程序使用（%1）</translation>
    </message>
    <message>
        <source>Left out: an earlier output of another image of this run</source>
        <translation>已排除：本次运行中另一张图像的先前输出</translation>
    </message>
    <message>
        <source>Left out (an earlier output) - %1</source>
        <translation>已排除（先前的输出） - %1</translation>
    </message>
    <message>
        <source>Error: The path is longer than the system allows (%1 bytes)</source>
        <translation>错误：路径超过了系统允许的长度（%1 字节）</translation>
    </message>
    <message>
        <source>Error: The image cannot be read (%1)</source>
        <translation>错误：无法读取图像（%1）</translation>
    </message>
    <message>
        <source>1 other name of this file (a hard link) still holds its metadata</source>
        <translation>此文件的 1 个其他名称（硬链接）仍带有其元数据</translation>
    </message>
    <message numerus="yes">
        <source>%n other names of this file (hard links) still hold its metadata</source>
        <translation>
            <numerusform>此文件的 %n 个其他名称（硬链接）仍带有其元数据</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped: the output would replace the image itself</source>
        <translation>已跳过：输出将替换图像本身</translation>
    </message>
    <message>
        <source>Skipped: the output would replace another image of this run</source>
        <translation>已跳过：输出将替换本次运行中的另一张图像</translation>
    </message>
    <message>
        <source>Saved as %1: another image of this run has the same name</source>
        <translation>已另存为 %1：本次运行中的另一张图像同名</translation>
    </message>
    <message>
        <source>%1 image processed (%2 KB saved)</source>
        <translation>已处理 %1 张图像（节省 %2 KB）</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed (%2 KB saved)</source>
        <translation>
            <numerusform>已处理 %1 张图像（节省 %2 KB）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 image processed</source>
        <translation>已处理 %1 张图像</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed</source>
        <translation>
            <numerusform>已处理 %1 张图像</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 seconds (%2 sec avg)</source>
        <translation>
            <numerusform>用时 %1 秒（平均 %2 秒）</numerusform>
        </translation>
    </message>
    <message>
        <source>kept existing output</source>
        <translation>已保留现有输出</translation>
    </message>
    <message>
        <source>no folder for problem files was given</source>
        <translation>未指定问题文件的文件夹</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>The original was moved to the trash.</source>
        <translation>原始文件已移到回收站。</translation>
    </message>
    <message>
        <source>The original was moved to %1.</source>
        <translation>原始文件已移到 %1。</translation>
    </message>
    <message>
        <source>the trash refused it</source>
        <translation>回收站拒绝了它</translation>
    </message>
    <message>
        <source>it cannot be moved there</source>
        <translation>无法将它移动到那里</translation>
    </message>
    <message>
        <source>The original could not be moved: %1 - %2</source>
        <translation>无法移动原始文件：%1 - %2</translation>
    </message>
    <message>
        <source>The original could not be moved: %1.</source>
        <translation>无法移动原始文件：%1。</translation>
    </message>
    <message>
        <source>1 problem file was moved to the trash.</source>
        <translation>已将 1 个问题文件移到回收站。</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to the trash.</source>
        <translation>
            <numerusform>已将 %n 个问题文件移到回收站。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file was moved to %1.</source>
        <translation>已将 1 个问题文件移到 %1。</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to %1.</source>
        <translation>
            <numerusform>已将 %n 个问题文件移到 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to the trash; the log says why.</source>
        <translation>有 1 个问题文件无法移到回收站；原因请查看日志。</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to the trash; the log says why.</source>
        <translation>
            <numerusform>有 %n 个问题文件无法移到回收站；原因请查看日志。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to %1; the log says why.</source>
        <translation>有 1 个问题文件无法移到 %1；原因请查看日志。</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to %1; the log says why.</source>
        <translation>
            <numerusform>有 %n 个问题文件无法移到 %1；原因请查看日志。</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>the image changed while it was cleaned</source>
        <translation>图像在清理过程中发生了变化</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s owner and group (%1)</source>
        <translation>无法保留文件的所有者和组（%1）</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s access control list (%1)</source>
        <translation>无法保留文件的访问控制列表（%1）</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s permissions</source>
        <translation>无法保留文件的权限</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot hold ExifTool&apos;s argument file; set TMPDIR or TEMP to another folder.</source>
        <translation>临时文件夹 %1 无法存放 ExifTool 的参数文件；请将 TMPDIR 或 TEMP 设置为其他文件夹。</translation>
    </message>
    <message>
        <source>in %1 second (%2 sec avg)</source>
        <translation>用时 %1 秒（平均 %2 秒）</translation>
    </message>
    <message>
        <source>Left out: videos need ffmpeg, which is not installed</source>
        <translation>已排除：视频需要 ffmpeg，但未安装</translation>
    </message>
    <message>
        <source>Left out (ffmpeg is not installed) - %1</source>
        <translation>已排除（未安装 ffmpeg） - %1</translation>
    </message>
</context>
<context>
    <name>CleanWizard</name>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>帮助：%1</translation>
    </message>
    <message>
        <source>There was an error reading the file...</source>
        <translation>读取文件时出错...</translation>
    </message>
    <message>
        <source>1 image will be cleaned</source>
        <translation>将清理 1 张图像：</translation>
    </message>
    <message numerus="yes">
        <source>%1 images will be cleaned</source>
        <translation>
            <numerusform>将清理 %1 张图像：</numerusform>
        </translation>
    </message>
    <message>
        <source>in place: the originals are overwritten.</source>
        <translation>就地处理，原始文件将被覆盖。</translation>
    </message>
    <message>
        <source>into the folder %1.</source>
        <translation>保存到文件夹 %1。</translation>
    </message>
    <message>
        <source>as copies whose names begin with &quot;%1&quot;.</source>
        <translation>保存为名称以“%1”开头的副本。</translation>
    </message>
    <message>
        <source>as copies whose names end with &quot;%1&quot;.</source>
        <translation>保存为名称以“%1”结尾的副本。</translation>
    </message>
    <message>
        <source>Removed: %1.</source>
        <translation>删除：%1。</translation>
    </message>
    <message>
        <source>File dates are set to %1.</source>
        <translation>文件日期设置为 %1。</translation>
    </message>
    <message>
        <source>File dates are set to random dates.</source>
        <translation>文件日期设置为随机日期。</translation>
    </message>
    <message>
        <source>Originals that fail go to the trash.</source>
        <translation>失败的原始文件将移到回收站。</translation>
    </message>
    <message>
        <source>Originals that fail are moved to %1.</source>
        <translation>失败的原始文件将移到 %1。</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>此处未设置用于打开文件夹的程序。清理后的图像位于此文件夹中：</translation>
    </message>
    <message>
        <source>No web browser is set up here. The home page is:</source>
        <translation>此处未设置网页浏览器。主页是：</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 张图像</numerusform>
        </translation>
    </message>
    <message>
        <source>No images to clean were found in %1.</source>
        <translation>在 %1 中未找到要清理的图像。</translation>
    </message>
    <message numerus="yes">
        <source>No images to clean were found in %n folders: %1</source>
        <translation>
            <numerusform>在 %n 个文件夹中未找到要清理的图像：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>正在添加文件...</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>添加图像</translation>
    </message>
    <message>
        <source>These files could not be added: their names are not valid UTF-8, which the file dialog cannot pass on. Add them with &quot;Add from Folder&quot; or drop them on the list:</source>
        <translation>无法添加这些文件：它们的名称不是有效的 UTF-8，文件对话框无法传递。请使用“从文件夹添加”添加它们，或将它们拖放到列表中：</translation>
    </message>
    <message>
        <source>Select a folder with images to add:</source>
        <translation>选择包含要添加的图像的文件夹：</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>没有要处理的文件...</translation>
    </message>
    <message>
        <source>quillmark: -auto: cannot start: %1</source>
        <translation>quillmark: -auto: 无法开始：%1</translation>
    </message>
    <message>
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message>
        <source>Exif is the standard metadata tag used by digital cameras to store information about the image, location, camera settings etc. It can be found in JPG, TIFF, PNG, MIFF and HDP images, as well as many TIFF-based RAW images.</source>
        <translation>Exif 是数码相机用来存储图像、位置、相机设置等信息的标准元数据标签。它存在于 JPG、TIFF、PNG、MIFF 和 HDP 图像中，也存在于许多基于 TIFF 的 RAW 图像中。</translation>
    </message>
    <message>
        <source>Exif GPS</source>
        <translation>Exif GPS</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. The GPS tags are part of the EXIF standard, and are stored in a separate section within the EXIF information.</source>
        <translation>地理位置数据用于存储照片拍摄地点的信息。GPS 标签是 EXIF 标准的一部分，存储在 EXIF 信息中一个单独的部分里。</translation>
    </message>
    <message>
        <source>Exif thumbnail image</source>
        <translation>Exif 缩略图</translation>
    </message>
    <message>
        <source>A thumbnail is a small representation of the image that can be used to quickly display a preview of the image.</source>
        <translation>缩略图是图像的缩小版本，可用于快速显示图像预览。</translation>
    </message>
    <message>
        <source>ICC Color Profile</source>
        <translation>ICC 颜色配置文件</translation>
    </message>
    <message>
        <source>ICC profile information is used in many different file types including JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT and some RAW formats. Removing this tag may change the color appearance of the image.</source>
        <translation>ICC 配置文件信息用于许多不同的文件类型，包括 JPEG、TIFF、PDF、Photoshop、PNG、MIFF、PICT 以及一些 RAW 格式。删除此标签可能会改变图像的色彩表现。</translation>
    </message>
    <message>
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message>
        <source>XMP is a metadata format which is being pushed by Adobe. Information in this format can be embedded in many different image file types including JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU and MIFF, as well as videos and audio formats.</source>
        <translation>XMP 是 Adobe 推广的一种元数据格式。这种格式的信息可以嵌入许多不同的图像文件类型中，包括 JPG、JP2、TIFF、GIF、EPS、PDF、PSD、DNG、PNG、DJVU 和 MIFF，也可以嵌入视频和音频格式中。</translation>
    </message>
    <message>
        <source>IPTC</source>
        <translation>IPTC</translation>
    </message>
    <message>
        <source>This is an older meta information format that is slowly being phased out in favor of XMP. IPTC information may be embedded in JPG, TIFF, PNG, MIFF, PS, PDF, PSD and DNG images.</source>
        <translation>这是一种较旧的元信息格式，正逐渐被 XMP 取代。IPTC 信息可能嵌入在 JPG、TIFF、PNG、MIFF、PS、PDF、PSD 和 DNG 图像中。</translation>
    </message>
    <message>
        <source>All other supported</source>
        <translation>所有其他受支持的</translation>
    </message>
    <message>
        <source>This includes the Jpeg Comment, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky and MakerNotes.</source>
        <translation>包括 JPEG 注释、AFCP、CanonVRD、FotoStation、PhotoMechanic、MIE、Ducky 和 MakerNotes。</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>前缀</translation>
    </message>
    <message>
        <source>The prefix text is added IN FRONT of the current filename, in order to create a new image file.</source>
        <translation>前缀文本会添加到当前文件名的“前面”，以创建新的图像文件。</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>后缀</translation>
    </message>
    <message>
        <source>The suffix text is added AFTER of the current filename, in order to create a new image file.</source>
        <translation>后缀文本会添加到当前文件名的“后面”，以创建新的图像文件。</translation>
    </message>
    <message>
        <source>Photoshop Tag &amp; Thumbnail</source>
        <translation>Photoshop 标签和缩略图</translation>
    </message>
    <message>
        <source>Photoshop tags are found in PSD files, as well as inside embedded Photoshop information in many other file types (JPEG, TIFF, PDF, PNG to name a few). Removing this tag will also remove the IPTC tag.</source>
        <translation>Photoshop 标签存在于 PSD 文件中，也存在于许多其他文件类型（例如 JPEG、TIFF、PDF、PNG）中嵌入的 Photoshop 信息里。删除此标签也会删除 IPTC 标签。</translation>
    </message>
    <message>
        <source>Remove all supported tags</source>
        <translation>删除所有受支持的标签</translation>
    </message>
    <message>
        <source>Use this option to make sure that you remove as much metadata information as possible! There is one exception: The Adobe APP14 is not removed because doing so may change the image apperance.</source>
        <translation>使用此选项可确保删除尽可能多的元数据信息！只有一个例外：Adobe APP14 不会被删除，因为删除它可能会改变图像的外观。</translation>
    </message>
    <message>
        <source>Remove TIFF IFD0 data</source>
        <translation>删除 TIFF IFD0 数据</translation>
    </message>
    <message>
        <source>TIFF images can contain information in the first image file directory (IFD0), separate from other tags. This applies to TIFF files as well as image types based on the TIFF file format: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 &amp; SRW.</source>
        <translation>TIFF 图像可以在第一个图像文件目录（IFD0）中包含与其他标签分开的信息。这适用于 TIFF 文件以及基于 TIFF 文件格式的图像类型：ARQ、ARW、CR2、DNG、ERF、EXIF、FFF、HDP、WDP、JXR、IIQ、MEF、MOS、NEF、NRW、ORF、ORI、PEF、RW2、RWL、SR2 和 SRW。</translation>
    </message>
    <message>
        <source>Obfuscate file dates</source>
        <translation>混淆文件日期</translation>
    </message>
    <message>
        <source>The date of the image file can potentially reveal information about when the image was taken and/or modified. This option will set the file&apos;s Created, Modified and Accessed dates to a new date (defaults: 1980-2010 for random dates and 1980-01-01 00:00:00 for the specific date). Please note that dates may change when the file is later altered, move, copied etc.</source>
        <translation>图像文件的日期可能会透露图像的拍摄和/或修改时间。此选项会将文件的创建、修改和访问日期设置为新的日期（默认值：随机日期为 1980-2010 年，指定日期为 1980-01-01 00:00:00）。请注意，之后修改、移动、复制文件等操作可能会改变日期。</translation>
    </message>
    <message>
        <source>Move erroneous files</source>
        <translation>移动出错的文件</translation>
    </message>
    <message>
        <source>If there was an error and the file could not be processed (as indicated by the logs), this allows you to move the original file to a folder or delete it. Note that if you choose to move the file to a folder, and another file with the same name already exists, the file will not be moved. Note: This does not apply to warnings, only errors. Files with warnings will still be processed, but may be visible in the logs.</source>
        <translation>如果出现错误导致文件无法处理（如日志所示），此选项允许您将原始文件移到某个文件夹或将其删除。请注意，如果选择将文件移到文件夹，而该文件夹中已存在同名文件，则不会移动该文件。注意：这只适用于错误，不适用于警告。带有警告的文件仍会被处理，但可能会出现在日志中。</translation>
    </message>
    <message>
        <source>GeoTIFF</source>
        <translation>GeoTIFF</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. GeoTIFF is used by TIFF files or image formats based on the TIFF file format.</source>
        <translation>地理位置数据用于存储照片拍摄地点的信息。GeoTIFF 用于 TIFF 文件或基于 TIFF 文件格式的图像格式。</translation>
    </message>
    <message>
        <source>Adobe APP14</source>
        <translation>Adobe APP14</translation>
    </message>
    <message>
        <source>This tag is present in JPEG files and contains encoding information. If removed, the image apperance may be altered. Because of this it is not recommended to remove. It contains no personal information, but does indicate that an Adobe product has been used.</source>
        <translation>此标签存在于 JPEG 文件中，包含编码信息。删除后图像的外观可能会改变，因此不建议删除。它不包含个人信息，但会表明使用过 Adobe 产品。</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>保留方向和颜色配置文件</translation>
    </message>
    <message>
        <source>The orientation tag tells viewers which way up to show the picture, and the colour profile tells them which colours it holds. Without the orientation, portrait photos are shown sideways; without the colour profile, colours may look wrong (for example the wide-gamut photos of recent phones). Neither identifies a person, so both are kept unless you clear this option.</source>
        <translation>方向标签告诉查看器图片哪一边朝上显示，颜色配置文件告诉它们图片包含哪些颜色。没有方向信息，竖拍的照片会横着显示；没有颜色配置文件，颜色可能会显示错误（例如近期手机拍摄的广色域照片）。两者都不能识别个人身份，因此除非您取消勾选此选项，否则两者都会保留。</translation>
    </message>
    <message>
        <source>Click here to add images, or drag and drop them onto the file list to the right.</source>
        <translation>点击此处添加图像，或将图像拖放到右侧的文件列表中。</translation>
    </message>
    <message>
        <source>This program is primarily designed to work on JPEG images, but also works with other file formats, including: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD &amp; X3F.</source>
        <translation>本程序主要用于处理 JPEG 图像，但也支持其他文件格式，包括：ARQ、ARW、CR2、CR3、CRW、CIFF、CS1、DCP、DNG、EPS、EPSF、FFF、FLIF、IND、INSP、ERF、HDP、HEIC、HEIF、WDP、JP2、JPX、JPEG、JXL、MEF、MIE、MOS、MPO、MRW、NEF、NRW、ORF、ORI、PEF、PS、PSB、RAF、RAW、RW2、RWL、SR2、SRW、THM、TIFF、VRD 和 X3F。</translation>
    </message>
    <message>
        <source>Add Images from Folder</source>
        <translation>从文件夹添加图像</translation>
    </message>
    <message>
        <source>Same as above, but you choose a folder and the program will add all images found in this folder and its sub-folders.</source>
        <translation>与上面相同，但您选择一个文件夹，程序会添加在该文件夹及其子文件夹中找到的所有图像。</translation>
    </message>
    <message>
        <source>Because of a bug in Windows 7, your system is using a font set that is too large for your current DPI settings. This may cause Quillmark (and other applications) to look distorted. Although only a visual problem, I recommend you to fix this problem, and will now open a page with help!</source>
        <translation>由于 Windows 7 中的一个缺陷，您的系统使用的字体集对当前 DPI 设置来说过大。这可能导致 Quillmark（以及其他应用程序）显示变形。虽然这只是显示问题，但我建议您修复它，现在将打开一个帮助页面！</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>下一步 &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Choose image files</source>
        <translation>选择图像文件</translation>
    </message>
    <message>
        <source>Add the images you want to clean. When you are ready, click &quot;Next&quot; to continue to the output page.</source>
        <translation>添加要清理的图像。准备好后，点击“下一步”继续到输出页面。</translation>
    </message>
    <message>
        <source>Options (1/3)</source>
        <translation>选项（1/3）</translation>
    </message>
    <message>
        <source>Decide where and how to save the cleaned files. Click &quot;Next&quot; to continue to the second options page.</source>
        <translation>决定清理后的文件保存位置和方式。点击“下一步”继续到第二个选项页面。</translation>
    </message>
    <message>
        <source>Options (2/3)</source>
        <translation>选项（2/3）</translation>
    </message>
    <message>
        <source>Decide which metadata tags you want to remove.</source>
        <translation>选择要删除的元数据标签。</translation>
    </message>
    <message>
        <source>Start &gt;</source>
        <translation>开始 &gt;</translation>
    </message>
    <message>
        <source>Options (3/3)</source>
        <translation>选项（3/3）</translation>
    </message>
    <message>
        <source>Set additional options and processing rules.</source>
        <translation>设置其他选项和处理规则。</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>准备开始</translation>
    </message>
    <message>
        <source>Check what the run will do; &quot;&lt; Back&quot; changes the options.</source>
        <translation>检查本次运行将执行的操作；“&lt; 上一步”可更改选项。</translation>
    </message>
    <message>
        <source>Cleaning images</source>
        <translation>正在清理图像</translation>
    </message>
    <message>
        <source>Please wait while the images are being processed...</source>
        <translation>正在处理图像，请稍候...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>The wizard has finished cleaning the images! Press the exit button to quit, or the back button to process more files.</source>
        <translation>向导已完成图像清理！按“退出”按钮退出，或按“&lt; 上一步”按钮处理更多文件。</translation>
    </message>
    <message>
        <source>Stop cleaning? The images cleaned so far are kept.</source>
        <translation>停止清理吗？已清理的图像会保留。</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; 上一步</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>一个或多个输出文件已存在！是否覆盖现有文件？</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB, far more than stored settings ever take, so it was not read. Quillmark starts with the default options and leaves the file as it is; the options of this session are not saved.</source>
        <translation>设置文件 %1 大于 1 MB，远远超过保存的设置所需的大小，因此未读取。Quillmark 将以默认选项启动，并保持该文件不变；本次会话的选项不会被保存。</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Could not start a program: no program was named.</source>
        <translation>无法启动程序：未指定程序名称。</translation>
    </message>
    <message>
        <source>Could not start %1: the working folder %2 does not exist.</source>
        <translation>无法启动 %1：工作文件夹 %2 不存在。</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>无法启动 %1：%2</translation>
    </message>
    <message>
        <source>%1 was stopped because the program is closing.</source>
        <translation>由于程序正在关闭，%1 已被停止。</translation>
    </message>
    <message>
        <source>%1 crashed or was killed.</source>
        <translation>%1 崩溃或被终止。</translation>
    </message>
</context>
<context>
    <name>ContainerScan</name>
    <message>
        <source>the image data has no end marker</source>
        <translation>图像数据没有结束标记</translation>
    </message>
    <message>
        <source>the file ends before the end-of-image marker</source>
        <translation>文件在图像结束标记之前就已结束</translation>
    </message>
    <message>
        <source>a segment does not start with a marker</source>
        <translation>某个段未以标记开头</translation>
    </message>
    <message>
        <source>the file ends inside a segment</source>
        <translation>文件在某个段内部结束</translation>
    </message>
    <message>
        <source>a segment runs past the end of the file</source>
        <translation>某个段超出了文件末尾</translation>
    </message>
    <message>
        <source>the file ends before the IEND chunk</source>
        <translation>文件在 IEND 数据块之前就已结束</translation>
    </message>
    <message>
        <source>the %1 chunk runs past the end of the file</source>
        <translation>%1 数据块超出了文件末尾</translation>
    </message>
    <message>
        <source>the file is shorter than its RIFF header says</source>
        <translation>文件比其 RIFF 头中声明的长度短</translation>
    </message>
    <message>
        <source>a chunk header runs past the end of the file</source>
        <translation>某个数据块头超出了文件末尾</translation>
    </message>
    <message>
        <source>the file ends inside the header</source>
        <translation>文件在文件头内部结束</translation>
    </message>
    <message>
        <source>the file ends before the GIF trailer</source>
        <translation>文件在 GIF 结束符之前就已结束</translation>
    </message>
    <message>
        <source>the file ends inside an image descriptor</source>
        <translation>文件在图像描述符内部结束</translation>
    </message>
    <message>
        <source>the file ends inside an extension</source>
        <translation>文件在扩展块内部结束</translation>
    </message>
    <message>
        <source>an unknown block type</source>
        <translation>未知的块类型</translation>
    </message>
    <message>
        <source>a block runs past the end of the file</source>
        <translation>某个块超出了文件末尾</translation>
    </message>
    <message>
        <source>the output cannot be read</source>
        <translation>无法读取输出</translation>
    </message>
</context>
<context>
    <name>DatePage</name>
    <message>
        <source>Additional options</source>
        <translation>其他选项</translation>
    </message>
    <message>
        <source>Obfuscate File Dates</source>
        <translation>混淆文件日期</translation>
    </message>
    <message>
        <source>Set to new date:</source>
        <translation>设置为新日期：</translation>
    </message>
    <message>
        <source>Generate a random date</source>
        <translation>生成随机日期</translation>
    </message>
    <message>
        <source>New file date</source>
        <translation>新的文件日期</translation>
    </message>
    <message>
        <source>(change)</source>
        <translation>（更改）</translation>
    </message>
    <message>
        <source>Ignore minor errors and warnings</source>
        <translation>忽略次要错误和警告</translation>
    </message>
    <message>
        <source>If processing fails, move original file to:</source>
        <translation>如果处理失败，将原始文件移到：</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>回收站</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>文件夹：</translation>
    </message>
    <message>
        <source>Folder for files that fail</source>
        <translation>存放失败文件的文件夹</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>选择输出文件夹：</translation>
    </message>
</context>
<context>
    <name>ExifToolPool</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>无法启动 %1：%2</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly.</source>
        <translation>%1 意外停止。</translation>
    </message>
</context>
<context>
    <name>FileDate</name>
    <message>
        <source>Set date</source>
        <translation>设置日期</translation>
    </message>
    <message>
        <source>Set time</source>
        <translation>设置时间</translation>
    </message>
    <message>
        <source>Please enter a year. Default is 1980 (earlier is not possible to use). Format must be: YYYY</source>
        <translation>请输入年份。默认为 1980（不能使用更早的年份）。格式必须为：YYYY</translation>
    </message>
    <message>
        <source>Not a valid year...</source>
        <translation>不是有效的年份...</translation>
    </message>
    <message>
        <source>Please enter a month. Default is 1. (1-12 is valid).</source>
        <translation>请输入月份。默认为 1（有效值为 1-12）。</translation>
    </message>
    <message>
        <source>Not a valid month...</source>
        <translation>不是有效的月份...</translation>
    </message>
    <message>
        <source>Please enter a day. Default is 1 (1-31 is valid).</source>
        <translation>请输入日期。默认为 1（有效值为 1-31）。</translation>
    </message>
    <message>
        <source>Not a valid day...</source>
        <translation>不是有效的日期...</translation>
    </message>
    <message>
        <source>Please enter an hour. Default is 0 (24H time only - 0-23 is valid).</source>
        <translation>请输入小时。默认为 0（仅限 24 小时制 - 有效值为 0-23）。</translation>
    </message>
    <message>
        <source>Not a valid hour...</source>
        <translation>不是有效的小时...</translation>
    </message>
    <message>
        <source>Please enter a minute. Default is 0 (0-59 is valid).</source>
        <translation>请输入分钟。默认为 0（有效值为 0-59）。</translation>
    </message>
    <message>
        <source>Not a valid minute...</source>
        <translation>不是有效的分钟...</translation>
    </message>
    <message>
        <source>Please enter a second. Default is 0 (0-59 is valid).</source>
        <translation>请输入秒。默认为 0（有效值为 0-59）。</translation>
    </message>
    <message>
        <source>Not a valid second...</source>
        <translation>不是有效的秒...</translation>
    </message>
</context>
<context>
    <name>FinishedPage</name>
    <message>
        <source>Finished!</source>
        <translation>已完成！</translation>
    </message>
    <message>
        <source>## images cleaned!</source>
        <translation>已清理 ## 张图像！</translation>
    </message>
    <message>
        <source>Show the problems of this run...</source>
        <translation>显示本次运行的问题...</translation>
    </message>
    <message>
        <source>Error details</source>
        <translation>错误详情</translation>
    </message>
    <message>
        <source>Images of this run (double-click to compare):</source>
        <translation>本次运行的图像（双击进行比较）：</translation>
    </message>
    <message>
        <source>Images of this run</source>
        <translation>本次运行的图像</translation>
    </message>
    <message>
        <source>Each image with what became of it. Ctrl+I, a double-click or the context menu shows what cleaning removed from the current file and what is left.</source>
        <translation>每张图像及其处理结果。按 Ctrl+I、双击或使用右键菜单，可显示清理从当前文件中删除了什么以及还剩下什么。</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>显示元数据</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Click here to open the destination folder...</source>
        <translation>点击此处打开目标文件夹...</translation>
    </message>
    <message>
        <source>Hide the images that were not reached</source>
        <translation>隐藏未处理到的图像</translation>
    </message>
    <message>
        <source>Show the image that was not reached</source>
        <translation>显示未处理到的图像</translation>
    </message>
    <message numerus="yes">
        <source>Show the %1 images that were not reached</source>
        <translation>
            <numerusform>显示 %1 张未处理到的图像</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IdentifyingTags</name>
    <message>
        <source>Location (GPS)</source>
        <translation>位置（GPS）</translation>
    </message>
    <message>
        <source>where it was taken (GPS)</source>
        <translation>拍摄地点（GPS）</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>地名</translation>
    </message>
    <message>
        <source>where it was taken (place names)</source>
        <translation>拍摄地点（地名）</translation>
    </message>
    <message>
        <source>Home time zone</source>
        <translation>本地时区</translation>
    </message>
    <message>
        <source>the camera&apos;s home time zone</source>
        <translation>相机的本地时区</translation>
    </message>
    <message>
        <source>Location (map position)</source>
        <translation>位置（地图位置）</translation>
    </message>
    <message>
        <source>where it lies on a map</source>
        <translation>在地图上的位置</translation>
    </message>
    <message>
        <source>Lens serial number</source>
        <translation>镜头序列号</translation>
    </message>
    <message>
        <source>the lens&apos;s serial number</source>
        <translation>镜头的序列号</translation>
    </message>
    <message>
        <source>Camera serial number</source>
        <translation>相机序列号</translation>
    </message>
    <message>
        <source>the camera&apos;s serial number</source>
        <translation>相机的序列号</translation>
    </message>
    <message>
        <source>Unique identifier</source>
        <translation>唯一标识符</translation>
    </message>
    <message>
        <source>unique identifiers</source>
        <translation>唯一标识符</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>计算机名称</translation>
    </message>
    <message>
        <source>the computer&apos;s name</source>
        <translation>计算机的名称</translation>
    </message>
    <message>
        <source>Original file name</source>
        <translation>原始文件名</translation>
    </message>
    <message>
        <source>the original file name</source>
        <translation>原始文件名</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>相机名称</translation>
    </message>
    <message>
        <source>the camera&apos;s name</source>
        <translation>相机的名称</translation>
    </message>
    <message>
        <source>Lens make and model</source>
        <translation>镜头品牌和型号</translation>
    </message>
    <message>
        <source>the lens make and model</source>
        <translation>镜头的品牌和型号</translation>
    </message>
    <message>
        <source>Camera make and model</source>
        <translation>相机品牌和型号</translation>
    </message>
    <message>
        <source>the camera make and model</source>
        <translation>相机的品牌和型号</translation>
    </message>
    <message>
        <source>Shutter count</source>
        <translation>快门次数</translation>
    </message>
    <message>
        <source>how many photos the camera has taken</source>
        <translation>相机已拍摄的照片数</translation>
    </message>
    <message>
        <source>Camera or device detail</source>
        <translation>相机或设备详情</translation>
    </message>
    <message>
        <source>details of the camera</source>
        <translation>相机的详细信息</translation>
    </message>
    <message>
        <source>Owner name</source>
        <translation>所有者姓名</translation>
    </message>
    <message>
        <source>the owner&apos;s name</source>
        <translation>所有者的姓名</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>电子邮件地址</translation>
    </message>
    <message>
        <source>an e-mail address</source>
        <translation>电子邮件地址</translation>
    </message>
    <message>
        <source>Contact details</source>
        <translation>联系方式</translation>
    </message>
    <message>
        <source>contact details</source>
        <translation>联系方式</translation>
    </message>
    <message>
        <source>People shown</source>
        <translation>照片中的人物</translation>
    </message>
    <message>
        <source>who is in it</source>
        <translation>照片中有谁</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>版权声明</translation>
    </message>
    <message>
        <source>a copyright notice</source>
        <translation>版权声明</translation>
    </message>
    <message>
        <source>Author name</source>
        <translation>作者姓名</translation>
    </message>
    <message>
        <source>the author&apos;s name</source>
        <translation>作者的姓名</translation>
    </message>
    <message>
        <source>Date and time taken</source>
        <translation>拍摄日期和时间</translation>
    </message>
    <message>
        <source>when it was taken</source>
        <translation>拍摄时间</translation>
    </message>
    <message>
        <source>Date and time changed</source>
        <translation>修改日期和时间</translation>
    </message>
    <message>
        <source>when it was changed</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>dates and times</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>软件</translation>
    </message>
    <message>
        <source>the software used</source>
        <translation>使用的软件</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>打印机</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>打印机</translation>
    </message>
    <message>
        <source>Image number</source>
        <translation>图像编号</translation>
    </message>
    <message>
        <source>the image number</source>
        <translation>图像编号</translation>
    </message>
    <message>
        <source>Document name</source>
        <translation>文档名称</translation>
    </message>
    <message>
        <source>the document&apos;s name</source>
        <translation>文档的名称</translation>
    </message>
    <message>
        <source>Other metadata</source>
        <translation>其他元数据</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Camera and device</source>
        <translation>相机和设备</translation>
    </message>
    <message>
        <source>Names of people</source>
        <translation>人名</translation>
    </message>
    <message>
        <source>Dates and times</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Identifiers</source>
        <translation>标识符</translation>
    </message>
    <message>
        <source>Nothing identifying was found in the listing.</source>
        <translation>列表中未发现可识别身份的信息。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、 </translation>
    </message>
    <message>
        <source>This photo reveals %1.</source>
        <translation>这张照片透露了%1。</translation>
    </message>
    <message>
        <source>This video reveals %1.</source>
        <translation>这段视频透露了%1。</translation>
    </message>
</context>
<context>
    <name>ImageFiles</name>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this raw type</source>
        <translation>已排除：ExifTool 无法写入此 RAW 类型</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this image type</source>
        <translation>已排除：ExifTool 无法写入此图像类型</translation>
    </message>
    <message>
        <source>The path is longer than the system allows (%1 bytes)</source>
        <translation>路径超过了系统允许的长度（%1 字节）</translation>
    </message>
    <message>
        <source>Not a supported image type.</source>
        <translation>不是受支持的图像类型。</translation>
    </message>
    <message>
        <source>Supported images and videos</source>
        <translation>受支持的图像和视频</translation>
    </message>
    <message>
        <source>Left out: this video type is not cleaned</source>
        <translation>已排除：此视频类型不会被清理</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>Add Images</source>
        <translation>添加图像</translation>
    </message>
    <message>
        <source>Add from Folder</source>
        <translation>从文件夹添加</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>移除所选文件</translation>
    </message>
    <message>
        <source>Clear the file list</source>
        <translation>清空文件列表</translation>
    </message>
    <message>
        <source>Images to clean</source>
        <translation>要清理的图像</translation>
    </message>
    <message>
        <source>No images yet. Add them with the buttons on the left, or drop them here.</source>
        <translation>尚无图像。请使用左侧的按钮添加，或将图像拖放到此处。</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>显示元数据</translation>
    </message>
    <message>
        <source>Double-click an image to view its metadata</source>
        <translation>双击图像以查看其元数据</translation>
    </message>
    <message>
        <source>Ctrl+I shows the metadata of the current image; Delete removes the selected images.</source>
        <translation>Ctrl+I 显示当前图像的元数据；Delete 键移除所选图像。</translation>
    </message>
    <message>
        <source>0 images</source>
        <translation>0 张图像</translation>
    </message>
    <message>
        <source>%1 images</source>
        <translation>%1 张图像</translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>正在添加文件...</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>没有要处理的文件...</translation>
    </message>
</context>
<context>
    <name>JobFiles</name>
    <message>
        <source>%1: not a file of this user</source>
        <translation>%1：不是此用户的文件</translation>
    </message>
</context>
<context>
    <name>MetadataCompare</name>
    <message>
        <source>removed</source>
        <translation>已删除</translation>
    </message>
    <message>
        <source>KEPT</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>CHANGED</source>
        <translation>已更改</translation>
    </message>
    <message>
        <source>ADDED</source>
        <translation>已添加</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>计算值</translation>
    </message>
</context>
<context>
    <name>MetadataViewer</name>
    <message>
        <source>Metadata Viewer</source>
        <translation>元数据查看器</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>元数据</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>查找(&amp;F)：</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>下一个(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>上一个(&amp;P)</translation>
    </message>
    <message>
        <source>Show &amp;removed tags</source>
        <translation>显示已删除的标签(&amp;R)</translation>
    </message>
    <message>
        <source>%1 - Metadata Viewer</source>
        <translation>%1 - 元数据查看器</translation>
    </message>
    <message>
        <source>Identifying metadata</source>
        <translation>可识别身份的元数据</translation>
    </message>
    <message>
        <source>What it reveals</source>
        <translation>透露的信息</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message numerus="yes">
        <source>%n tag(s)</source>
        <translation>
            <numerusform>%n 个标签</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - compared with the original - Metadata Viewer</source>
        <translation>%1 - 与原始文件比较 - 元数据查看器</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>原始文件：%1</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>清理后：%1</translation>
    </message>
    <message>
        <source>%1 tags removed, %2 kept, %3 added.</source>
        <translation>删除了 %1 个标签，保留 %2 个，添加 %3 个。</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the kept tags can identify you (marked with !).</source>
        <translation>
            <numerusform>保留的标签中有 %1 个可以识别您的身份（以 ! 标记）。</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags in bold are still in the cleaned file and come first; struck-through tags were removed. File names, sizes and dates on disk are left out.</source>
        <translation>粗体标签仍保留在清理后的文件中，并排在最前；带删除线的标签已被删除。磁盘上的文件名、大小和日期未列出。</translation>
    </message>
    <message numerus="yes">
        <source>The %n value(s) ExifTool computes from other tags (Composite) are listed last and not counted: they are not stored in the file.</source>
        <translation>
            <numerusform>ExifTool 根据其他标签计算出的 %n 个值（Composite）列在最后且不计入总数：它们并未存储在文件中。</numerusform>
        </translation>
    </message>
    <message>
        <source>kept, now listed as %1</source>
        <translation>已保留，现在列为 %1</translation>
    </message>
    <message>
        <source>kept in the maker notes, which ExifTool can no longer name</source>
        <translation>保留在制造商注释中，ExifTool 已无法识别其名称</translation>
    </message>
    <message>
        <source>computed, not stored in the file</source>
        <translation>计算值，未存储在文件中</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>未找到</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Output mode:</source>
        <translation>输出方式：</translation>
    </message>
    <message>
        <source>Overwrite original</source>
        <translation>覆盖原始文件</translation>
    </message>
    <message>
        <source>Save cleaned images in this folder:</source>
        <translation>将清理后的图像保存到此文件夹：</translation>
    </message>
    <message>
        <source>Add prefix:</source>
        <translation>添加前缀：</translation>
    </message>
    <message>
        <source>Add suffix:</source>
        <translation>添加后缀：</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>cleaned_</source>
        <translation>cleaned_</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>前缀</translation>
    </message>
    <message>
        <source>_cleaned</source>
        <translation>_cleaned</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>后缀</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>选择输出文件夹：</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <source>The output is damaged: %1.</source>
        <translation>输出已损坏：%1。</translation>
    </message>
    <message>
        <source>The output could not be read back, so what is left in it is not known.</source>
        <translation>无法读回输出，因此不知道其中还剩下什么。</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back.</source>
        <translation>ExifTool 无法读回输出。</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back: %1</source>
        <translation>ExifTool 无法读回输出：%1</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer opens in a raw converter (%1); the original is kept.</source>
        <translation>清理后的 RAW 文件无法再在 RAW 转换器中打开（%1）；已保留原始文件。</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer gives the original&apos;s picture; the original is kept.</source>
        <translation>清理后的 RAW 文件不再呈现原始文件的画面；已保留原始文件。</translation>
    </message>
    <message>
        <source>The image was copied without removing anything.</source>
        <translation>图像已被复制，但未删除任何内容。</translation>
    </message>
</context>
<context>
    <name>ProblemView</name>
    <message>
        <source>Problems of this run</source>
        <translation>本次运行的问题</translation>
    </message>
    <message>
        <source>What this run could not do, image by image. Hover over a name for its full path.</source>
        <translation>本次运行未能完成的操作，按图像列出。将鼠标悬停在名称上可查看完整路径。</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>运行因内部错误而结束</translation>
    </message>
    <message>
        <source>Could not be cleaned</source>
        <translation>无法清理</translation>
    </message>
    <message>
        <source>Still carry identifying metadata</source>
        <translation>仍带有可识别身份的元数据</translation>
    </message>
    <message>
        <source>Warnings about images that were cleaned</source>
        <translation>关于已清理图像的警告</translation>
    </message>
    <message>
        <source>No image of this run had a problem.</source>
        <translation>本次运行中没有图像出现问题。</translation>
    </message>
    <message>
        <source>(ExifTool&apos;s messages go on; this shows their first 4 MB.)</source>
        <translation>（ExifTool 的消息还有更多；此处显示前 4 MB。）</translation>
    </message>
    <message>
        <source>ExifTool&apos;s messages</source>
        <translation>ExifTool 的消息</translation>
    </message>
    <message>
        <source>Show ExifTool&apos;s messages</source>
        <translation>显示 ExifTool 的消息</translation>
    </message>
    <message>
        <source>Hide ExifTool&apos;s messages</source>
        <translation>隐藏 ExifTool 的消息</translation>
    </message>
</context>
<context>
    <name>QuickCleanDialog</name>
    <message>
        <source>Remove metadata</source>
        <translation>删除元数据</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Show problems</source>
        <translation>显示问题</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>正在查找图像...</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>未清理任何内容</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read.</source>
        <translation>设置文件 %1 大于 1 MB，未读取。</translation>
    </message>
    <message>
        <source>No options are stored yet, so the defaults are used: cleaned copies named with &quot;%1&quot; beside the originals.</source>
        <translation>尚未保存任何选项，因此使用默认选项：在原始文件旁边生成名称带有“%1”的清理后副本。</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the run was stopped</source>
        <translation>未清理任何内容；运行已停止</translation>
    </message>
    <message>
        <source>No image to clean: nothing was selected.</source>
        <translation>没有要清理的图像：未选择任何内容。</translation>
    </message>
    <message>
        <source>No image to clean in %1.</source>
        <translation>%1 中没有要清理的图像。</translation>
    </message>
    <message numerus="yes">
        <source>No image to clean in %1 and %n other items.</source>
        <translation>
            <numerusform>%1 和其他 %n 个项目中没有要清理的图像。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overwrite the originals of %n images?</source>
        <translation>
            <numerusform>是否覆盖 %n 张图像的原始文件？</numerusform>
        </translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>原始文件将被覆盖。此操作无法撤销。</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the originals are as they were</source>
        <translation>未清理任何内容；原始文件保持不变</translation>
    </message>
    <message numerus="yes">
        <source>Cleaning %n images...</source>
        <translation>
            <numerusform>正在清理 %n 张图像...</numerusform>
        </translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>一个或多个输出文件已存在！是否覆盖现有文件？</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>此处未设置用于打开文件夹的程序。清理后的图像位于此文件夹中：</translation>
    </message>
</context>
<context>
    <name>ReadyPage</name>
    <message>
        <source>Ready to start</source>
        <translation>准备开始</translation>
    </message>
    <message>
        <source>Press &quot;Start&quot; to clean the images.</source>
        <translation>按“开始”以清理图像。</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Skip this page in the future.</source>
        <translation>以后跳过此页面。</translation>
    </message>
    <message>
        <source>999 images will be cleaned as copies whose names end with &quot;_cleaned&quot;. Removed: all supported metadata, APP14. File dates are set to random dates. Originals that fail go to the trash.</source>
        <translation>将清理 999 张图像： 保存为名称以“_cleaned”结尾的副本。删除：所有受支持的元数据、APP14。文件日期设置为随机日期。失败的原始文件将移到回收站。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>原始文件将被覆盖。此操作无法撤销。</translation>
    </message>
    <message>
        <source>Cannot start</source>
        <translation>无法开始</translation>
    </message>
</context>
<context>
    <name>RunCheck</name>
    <message>
        <source>1 original cannot be overwritten: %1</source>
        <translation>有 1 个原始文件无法覆盖：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n originals cannot be overwritten: %1</source>
        <translation>
            <numerusform>有 %n 个原始文件无法覆盖：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>无法创建文件夹 %1：%2 是文件，不是文件夹。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 cannot be written to.</source>
        <translation>无法创建文件夹 %1：无法写入 %2。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>无法写入文件夹 %1。</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be written to: %1</source>
        <translation>
            <numerusform>有 %n 个文件夹无法写入：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not enough free space in %1: about %2 needed, %3 free.</source>
        <translation>%1 中的可用空间不足：大约需要 %2，可用 %3。</translation>
    </message>
</context>
<context>
    <name>RunPage</name>
    <message>
        <source>Processing images, please wait...</source>
        <translation>正在处理图像，请稍候...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>正在处理</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>大约还剩 %n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>大约还剩 %n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>大约还剩 %n 小时</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Paused: waiting for your answer</source>
        <translation>已暂停：等待您的回答</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>1 image still carries identifying metadata.</source>
        <translation>1 张图像仍带有可识别身份的元数据。</translation>
    </message>
    <message numerus="yes">
        <source>%1 images still carry identifying metadata.</source>
        <translation>
            <numerusform>%1 张图像仍带有可识别身份的元数据。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 raw file ExifTool cannot write</source>
        <translation>1 个 ExifTool 无法写入的 RAW 文件</translation>
    </message>
    <message numerus="yes">
        <source>%n raw files ExifTool cannot write</source>
        <translation>
            <numerusform>%n 个 ExifTool 无法写入的 RAW 文件</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image ExifTool cannot write</source>
        <translation>1 张 ExifTool 无法写入的图像</translation>
    </message>
    <message numerus="yes">
        <source>%n images ExifTool cannot write</source>
        <translation>
            <numerusform>%n 张 ExifTool 无法写入的图像</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path longer than the system allows</source>
        <translation>1 个超过系统允许长度的路径</translation>
    </message>
    <message numerus="yes">
        <source>%n paths longer than the system allows</source>
        <translation>
            <numerusform>%n 个超过系统允许长度的路径</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file that is not a supported image</source>
        <translation>1 个不是受支持图像的文件</translation>
    </message>
    <message numerus="yes">
        <source>%n files that are not supported images</source>
        <translation>
            <numerusform>%n 个不是受支持图像的文件</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out: %1.</source>
        <translation>已排除 1 个文件：%1。</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: %1.</source>
        <translation>
            <numerusform>已排除 %n 个文件：%1。</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: no identifying metadata left.</source>
        <translation>已清理：没有留下可识别身份的元数据。</translation>
    </message>
    <message>
        <source>Identifying metadata is left:</source>
        <translation>仍留有可识别身份的元数据：</translation>
    </message>
    <message>
        <source>Unchanged: ExifTool could not remove anything.</source>
        <translation>未更改：ExifTool 无法删除任何内容。</translation>
    </message>
    <message>
        <source>Failed: no cleaned file was written.</source>
        <translation>失败：未写入清理后的文件。</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>已跳过。</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>已清理</translation>
    </message>
    <message>
        <source>Still identifying</source>
        <translation>仍可识别身份</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>未清理</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>已排除</translation>
    </message>
    <message>
        <source>Output kept</source>
        <translation>已保留输出</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>未处理到</translation>
    </message>
    <message>
        <source>The file is not a %1 image; it looks like a %2 file.</source>
        <translation>该文件不是 %1 图像；它看起来像 %2 文件。</translation>
    </message>
    <message>
        <source>The file is not a valid %1 image.</source>
        <translation>该文件不是有效的 %1 图像。</translation>
    </message>
    <message>
        <source>The %1 image is damaged.</source>
        <translation>该 %1 图像已损坏。</translation>
    </message>
    <message>
        <source>The file is damaged or is not the kind of image its name says.</source>
        <translation>该文件已损坏，或者不是其名称所示类型的图像。</translation>
    </message>
    <message>
        <source>ExifTool had nothing to copy back into the cleaned file (no writable tags set).</source>
        <translation>ExifTool 没有可复制回清理后文件的内容（未设置可写入的标签）。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>该文件为空。</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>运行因内部错误而结束</translation>
    </message>
    <message>
        <source>No image was cleaned: the run ended on an internal error</source>
        <translation>没有清理任何图像：运行因内部错误而结束</translation>
    </message>
    <message>
        <source>No image was cleaned; the run was stopped</source>
        <translation>没有清理任何图像；运行已停止</translation>
    </message>
    <message>
        <source>No image was cleaned: %1</source>
        <translation>没有清理任何图像：%1</translation>
    </message>
    <message>
        <source>No image was cleaned; 1 could not be cleaned</source>
        <translation>没有清理任何图像；1 张无法清理</translation>
    </message>
    <message numerus="yes">
        <source>No image was cleaned; %1 could not be cleaned</source>
        <translation>
            <numerusform>没有清理任何图像；%1 张无法清理</numerusform>
        </translation>
    </message>
    <message>
        <source>No image was cleaned</source>
        <translation>没有清理任何图像</translation>
    </message>
    <message>
        <source>The image was cleaned</source>
        <translation>图像已清理</translation>
    </message>
    <message numerus="yes">
        <source>All %1 images were cleaned</source>
        <translation>
            <numerusform>全部 %1 张图像均已清理</numerusform>
        </translation>
    </message>
    <message>
        <source>0 of 1 image was cleaned</source>
        <translation>1 张图像中已清理 0 张</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 images were cleaned</source>
        <translation>
            <numerusform>%2 张图像中已清理 %1 张</numerusform>
        </translation>
    </message>
    <message>
        <source>; the run was stopped</source>
        <translation>；运行已停止</translation>
    </message>
    <message>
        <source>; 1 still carries identifying metadata</source>
        <translation>；1 张仍带有可识别身份的元数据</translation>
    </message>
    <message numerus="yes">
        <source>; %1 still carry identifying metadata</source>
        <translation>
            <numerusform>；%1 张仍带有可识别身份的元数据</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %1 could not be cleaned</source>
        <translation>
            <numerusform>；%1 张无法清理</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 existing output was kept</source>
        <translation>；已保留 1 个现有输出</translation>
    </message>
    <message numerus="yes">
        <source>; %1 existing outputs were kept</source>
        <translation>
            <numerusform>；已保留 %1 个现有输出</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was cleaned.</source>
        <translation>已清理 1 张图像。</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were cleaned.</source>
        <translation>
            <numerusform>已清理 %1 张图像。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image could not be cleaned.</source>
        <translation>有 1 张图像无法清理。</translation>
    </message>
    <message numerus="yes">
        <source>%1 images could not be cleaned.</source>
        <translation>
            <numerusform>有 %1 张图像无法清理。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was not reached before the stop.</source>
        <translation>停止前有 1 张图像未处理到。</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were not reached before the stop.</source>
        <translation>
            <numerusform>停止前有 %1 张图像未处理到。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>已保留 1 个现有输出。</translation>
    </message>
    <message numerus="yes">
        <source>%1 existing outputs were kept.</source>
        <translation>
            <numerusform>已保留 %1 个现有输出。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out.</source>
        <translation>已排除 1 个文件。</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were left out.</source>
        <translation>
            <numerusform>已排除 %1 个文件。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 video of a type not cleaned</source>
        <translation>1 个不会被清理类型的视频</translation>
    </message>
    <message numerus="yes">
        <source>%n videos of types not cleaned</source>
        <translation>
            <numerusform>%n 个不会被清理类型的视频</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TagsPage</name>
    <message>
        <source>Metadata to remove:</source>
        <translation>要删除的元数据：</translation>
    </message>
    <message>
        <source>All supported</source>
        <translation>所有受支持的</translation>
    </message>
    <message>
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message>
        <source>Exif GPS</source>
        <translation>Exif GPS</translation>
    </message>
    <message>
        <source>Exif Thumb</source>
        <translation>Exif 缩略图</translation>
    </message>
    <message>
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message>
        <source>IPTC</source>
        <translation>IPTC</translation>
    </message>
    <message>
        <source>ICC Profile</source>
        <translation>ICC 配置文件</translation>
    </message>
    <message>
        <source>PS Tag &amp;&amp; Thumb</source>
        <translation>PS 标签 &amp;&amp; 缩略图</translation>
    </message>
    <message>
        <source>TIFF IFD0</source>
        <translation>TIFF IFD0</translation>
    </message>
    <message>
        <source>GeoTIFF</source>
        <translation>GeoTIFF</translation>
    </message>
    <message>
        <source>APP14</source>
        <translation>APP14</translation>
    </message>
    <message>
        <source>All Other</source>
        <translation>所有其他</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>保留方向和颜色配置文件</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>手册</translation>
    </message>
    <message>
        <source>Disclaimer: This program can not guarantee full support for all above tags in image formats other than JPEG. RAW images are especially complicated. You should check the produced images to make sure that undesired metadata has been removed. See %1 for more information.</source>
        <translation>免责声明：对于 JPEG 以外的图像格式，本程序无法保证完全支持上述所有标签。RAW 图像尤其复杂。您应检查生成的图像，确保不需要的元数据已被删除。更多信息请参阅%1。</translation>
    </message>
    <message>
        <source>all supported metadata</source>
        <translation>所有受支持的元数据</translation>
    </message>
</context>
<context>
    <name>UpdateControls</name>
    <message>
        <source>%1 image</source>
        <translation>%1 张图像</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 张图像</numerusform>
        </translation>
    </message>
    <message>
        <source>(1 earlier output left out)</source>
        <translation>（已排除 1 个先前的输出）</translation>
    </message>
    <message numerus="yes">
        <source>(%n earlier outputs left out)</source>
        <translation>
            <numerusform>（已排除 %n 个先前的输出）</numerusform>
        </translation>
    </message>
    <message>
        <source>A prefix or suffix is part of the file name and cannot contain &quot;/&quot;.</source>
        <translation>前缀或后缀是文件名的一部分，不能包含“/”。</translation>
    </message>
</context>
<context>
    <name>VideoStage</name>
    <message>
        <source>Error: The video is incomplete (it ends inside a box)</source>
        <translation>错误：视频不完整（在某个 box 内部结束）</translation>
    </message>
    <message>
        <source>Error: Not a readable video (no movie header)</source>
        <translation>错误：不是可读取的视频（没有影片头）</translation>
    </message>
    <message>
        <source>the remuxed video could not be kept</source>
        <translation>无法保留重新封装后的视频</translation>
    </message>
    <message>
        <source>ffmpeg ended with code %1</source>
        <translation>ffmpeg 已结束，退出代码为 %1</translation>
    </message>
    <message>
        <source>Error: ffmpeg cannot remux this video: %1</source>
        <translation>错误：ffmpeg 无法重新封装此视频：%1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome to Quillmark!</source>
        <translation>欢迎使用 Quillmark！</translation>
    </message>
    <message>
        <source>This program deletes metadata tags and thumbnails from inside image files. This helps to protect your online privacy, as well as saving disk space. Drop photos or folders here, or click Next to choose them.</source>
        <translation>本程序会删除图像文件内部的元数据标签和缩略图。这有助于保护您的网络隐私，还能节省磁盘空间。请将照片或文件夹拖放到此处，或点击“下一步”来选择它们。</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>主页：</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Try &apos;quillmark --help&apos;.</source>
        <translation>请尝试 &apos;quillmark --help&apos;。</translation>
    </message>
    <message>
        <source>quillmark: -auto: the settings file %1 is larger than 1 MB and was not read; nothing was cleaned</source>
        <translation>quillmark: -auto: 设置文件 %1 大于 1 MB，未读取；未清理任何内容</translation>
    </message>
    <message>
        <source>Removes metadata from image files, in a wizard window.</source>
        <translation>在向导窗口中删除图像文件的元数据。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Clean FOLDER unattended with the stored options, then exit.</source>
        <translation>使用保存的选项无人值守地清理 FOLDER，然后退出。</translation>
    </message>
    <message>
        <source>Images and folders to start with.</source>
        <translation>启动时添加的图像和文件夹。</translation>
    </message>
    <message>
        <source>-auto takes exactly one folder and no other paths.</source>
        <translation>-auto 只接受一个文件夹，不接受其他路径。</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: the folder cannot be read</source>
        <translation>quillmark: -auto: %1：无法读取该文件夹</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: no such folder</source>
        <translation>quillmark: -auto: %1：没有此文件夹</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: not a folder</source>
        <translation>quillmark: -auto: %1：不是文件夹</translation>
    </message>
    <message>
        <source>Clean the images and folders given as PATH with the stored options, showing the outcome in a small window.</source>
        <translation>使用保存的选项清理以 PATH 指定的图像和文件夹，并在小窗口中显示结果。</translation>
    </message>
    <message>
        <source>--clean and -auto cannot be used together.</source>
        <translation>--clean 和 -auto 不能同时使用。</translation>
    </message>
</context>
<context>
    <name>WizardPage</name>
    <message>
        <source>Browse for a folder to put the cleaned images in...</source>
        <translation>浏览选择存放清理后图像的文件夹...</translation>
    </message>
</context>
<context>
    <name>quillmark_cli</name>
    <message>
        <source>quillmark-cli: cannot write the report %1: %2</source>
        <translation>quillmark-cli: 无法写入报告 %1：%2</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>正在查找图像...</translation>
    </message>
    <message>
        <source>Stopped while looking for images; nothing was cleaned.</source>
        <translation>查找图像时已停止；未清理任何内容。</translation>
    </message>
    <message>
        <source>quillmark-cli: no supported images found</source>
        <translation>quillmark-cli: 未找到受支持的图像</translation>
    </message>
    <message>
        <source>quillmark-cli: ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside quillmark-cli.</source>
        <translation>quillmark-cli: 未找到 ExifTool。请安装它（Debian 软件包 libimage-exiftool-perl），或将 exiftool 程序放在 quillmark-cli 所在的位置。</translation>
    </message>
    <message>
        <source>quillmark-cli: cannot start: %1</source>
        <translation>quillmark-cli: 无法开始：%1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>日志：%1</translation>
    </message>
    <message>
        <source>Try &apos;quillmark-cli --help&apos;.</source>
        <translation>请尝试 &apos;quillmark-cli --help&apos;。</translation>
    </message>
    <message>
        <source>Image files and folders to clean.</source>
        <translation>要清理的图像文件和文件夹。</translation>
    </message>
    <message>
        <source>Where cleaned files go: overwrite, folder=DIR, prefix=TEXT or suffix=TEXT (default suffix=_cleaned).</source>
        <translation>清理后文件的去向：overwrite、folder=DIR、prefix=TEXT 或 suffix=TEXT（默认为 suffix=_cleaned）。</translation>
    </message>
    <message>
        <source>What to remove, a comma list of: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (default all).</source>
        <translation>要删除的内容，以逗号分隔的列表：all、exif、gps、thumbnail、xmp、iptc、icc、photoshop、ifd0、geotiff、app14、other（默认为 all）。</translation>
    </message>
    <message>
        <source>What stays whatever --remove says, since it changes how the picture looks and identifies nobody: a comma list of orientation and color, or none (default orientation,color).</source>
        <translation>无论 --remove 如何指定都会保留的内容，因为它们会改变图片的外观且不能识别任何人：orientation 和 color 的逗号分隔列表，或 none（默认为 orientation,color）。</translation>
    </message>
    <message>
        <source>File dates of the cleaned files: keep, random or &quot;YYYY-MM-DD HH:MM:SS&quot; (default keep).</source>
        <translation>清理后文件的文件日期：keep、random 或 &quot;YYYY-MM-DD HH:MM:SS&quot;（默认为 keep）。</translation>
    </message>
    <message>
        <source>Move the originals of images that could not be cleaned: trash, or a folder.</source>
        <translation>移动无法清理的图像的原始文件：trash 或一个文件夹。</translation>
    </message>
    <message>
        <source>Replace cleaned files that already exist (by default they are kept).</source>
        <translation>替换已存在的清理后文件（默认保留它们）。</translation>
    </message>
    <message>
        <source>Do not ignore minor errors and warnings.</source>
        <translation>不忽略次要错误和警告。</translation>
    </message>
    <message>
        <source>Start from the options stored by the Quillmark window; options given here still apply.</source>
        <translation>从 Quillmark 窗口保存的选项开始；此处给出的选项仍然生效。</translation>
    </message>
    <message>
        <source>ExifTool processes at once (default: the number of cores).</source>
        <translation>同时运行的 ExifTool 进程数（默认：核心数）。</translation>
    </message>
    <message>
        <source>Write a JSON report of every image&apos;s outcome to FILE (&apos;-&apos; for standard output; the summary then goes to standard error).</source>
        <translation>将每张图像处理结果的 JSON 报告写入 FILE（&apos;-&apos; 表示标准输出；此时摘要输出到标准错误）。</translation>
    </message>
    <message>
        <source>Do not check the cleaned files for identifying metadata that is left (faster).</source>
        <translation>不检查清理后的文件中是否还留有可识别身份的元数据（更快）。</translation>
    </message>
    <message>
        <source>Who writes the cleaned files: auto (JPEG, PNG, WebP and GIF by Quillmark&apos;s own writer where it can, the rest by ExifTool) or exiftool (every file by ExifTool) (default auto).</source>
        <translation>由谁写入清理后的文件：auto（JPEG、PNG、WebP 和 GIF 尽可能由 Quillmark 自己的写入器处理，其余由 ExifTool 处理）或 exiftool（所有文件都由 ExifTool 处理）（默认为 auto）。</translation>
    </message>
    <message>
        <source>Also clean the paths listed in FILE, one a line (&quot;-&quot; reads standard input).</source>
        <translation>同时清理 FILE 中列出的路径，每行一个（&quot;-&quot; 表示读取标准输入）。</translation>
    </message>
    <message>
        <source>Paths in the --files-from list end with NUL, not a line break.</source>
        <translation>--files-from 列表中的路径以 NUL 结尾，而不是换行符。</translation>
    </message>
    <message>
        <source>quillmark-cli: --settings: the settings file %1 is larger than 1 MB and was not read</source>
        <translation>quillmark-cli: --settings: 设置文件 %1 大于 1 MB，未读取</translation>
    </message>
    <message>
        <source>--output takes overwrite, folder=DIR, prefix=TEXT or suffix=TEXT</source>
        <translation>--output 接受 overwrite、folder=DIR、prefix=TEXT 或 suffix=TEXT</translation>
    </message>
    <message>
        <source>--remove takes a comma list of all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</source>
        <translation>--remove 接受以逗号分隔的列表：all、exif、gps、thumbnail、xmp、iptc、icc、photoshop、ifd0、geotiff、app14、other</translation>
    </message>
    <message>
        <source>--keep takes a comma list of orientation and color, or none</source>
        <translation>--keep 接受 orientation 和 color 的逗号分隔列表，或 none</translation>
    </message>
    <message>
        <source>--dates takes keep, random or a date &quot;YYYY-MM-DD HH:MM:SS&quot; from 1980 to 2100</source>
        <translation>--dates 接受 keep、random 或 1980 年到 2100 年之间的日期 &quot;YYYY-MM-DD HH:MM:SS&quot;</translation>
    </message>
    <message>
        <source>--move-failed takes trash or a folder</source>
        <translation>--move-failed 接受 trash 或一个文件夹</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>未指定输出文件夹</translation>
    </message>
    <message>
        <source>the prefix or suffix is empty</source>
        <translation>前缀或后缀为空</translation>
    </message>
    <message>
        <source>the prefix or suffix must be part of a file name: it cannot hold &apos;/&apos;</source>
        <translation>前缀或后缀必须是文件名的一部分：不能包含 &apos;/&apos;</translation>
    </message>
    <message>
        <source>nothing to remove: the colour profile is kept (see --keep)</source>
        <translation>没有要删除的内容：颜色配置文件会被保留（参见 --keep）</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>没有要删除的内容</translation>
    </message>
    <message>
        <source>quillmark-cli: the colour profile is kept; --keep orientation or --keep none removes it</source>
        <translation>quillmark-cli: 颜色配置文件会被保留；使用 --keep orientation 或 --keep none 可删除它</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64</source>
        <translation>--jobs 接受 1 到 64 之间的数字</translation>
    </message>
    <message>
        <source>--engine takes auto or exiftool</source>
        <translation>--engine 接受 auto 或 exiftool</translation>
    </message>
    <message>
        <source>--report takes a file name or &apos;-&apos;</source>
        <translation>--report 接受文件名或 &apos;-&apos;</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null 需要 --files-from</translation>
    </message>
    <message>
        <source>cannot read the list %1</source>
        <translation>无法读取列表 %1</translation>
    </message>
    <message>
        <source>no image files or folders given</source>
        <translation>未指定图像文件或文件夹</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: no such file or folder</source>
        <translation>quillmark-cli: %1：没有此文件或文件夹</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: not a supported image; skipped</source>
        <translation>quillmark-cli: %1：不是受支持的图像；已跳过</translation>
    </message>
    <message>
        <source>No images to clean in %1.</source>
        <translation>%1 中没有要清理的图像。</translation>
    </message>
    <message>
        <source>PATH...</source>
        <translation>路径...</translation>
    </message>
    <message>
        <source>Print only the summary (nothing with --report -); errors that end the run are still printed.</source>
        <translation>仅输出摘要（使用 --report - 时不输出任何内容）；导致运行终止的错误仍会输出。</translation>
    </message>
    <message>
        <source>Say what would be cleaned, where each output would go and what each image carries now; write nothing.</source>
        <translation>说明将清理哪些图像、每个输出将写到哪里，以及每张图像当前带有什么；不写入任何内容。</translation>
    </message>
    <message>
        <source>List the identifying metadata each file carries, as the metadata viewer does; change nothing.</source>
        <translation>像元数据查看器一样列出每个文件带有的可识别身份的元数据；不做任何更改。</translation>
    </message>
    <message>
        <source>--dry-run and --show cannot be used together</source>
        <translation>--dry-run 和 --show 不能同时使用</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: cannot be read: %2</source>
        <translation>quillmark-cli: %1：无法读取：%2</translation>
    </message>
    <message>
        <source>  %1: %2 = %3</source>
        <translation>  %1: %2 = %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <source>It cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>  It carries nothing identifying.</source>
        <translation>  不带有任何可识别身份的内容。</translation>
    </message>
    <message>
        <source>  It carries: %1</source>
        <translation>  带有：%1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 image would be cleaned; nothing was written.</source>
        <translation>将清理 1 张图像；未写入任何内容。</translation>
    </message>
    <message numerus="yes">
        <source>%1 images would be cleaned; nothing was written.</source>
        <translation>
            <numerusform>将清理 %1 张图像；未写入任何内容。</numerusform>
        </translation>
    </message>
    <message>
        <source>Removes metadata (Exif, GPS, thumbnails, XMP, IPTC, ICC, ...) from image files with ExifTool,
and from MOV and MP4 videos by remuxing them with ffmpeg.
Folders are walked with all their sub-folders.

Every output is checked afterwards; what identifying metadata is left is reported.

Exit status: 0 done and clean, 1 problems were reported, identifying metadata is left, an image was
left unchanged or could not be cleaned, a file named on the command line was skipped, or a file found
in a folder was left out (a video type not cleaned, a type ExifTool cannot write, a path too long);
2 bad usage or nothing to clean, 3 internal error;
stopped by SIGINT, SIGTERM or SIGHUP: 130, 143 or 129 (a second SIGINT stops at once).</source>
        <translation>使用 ExifTool 删除图像文件中的元数据（Exif、GPS、缩略图、XMP、IPTC、ICC 等），
并通过 ffmpeg 重新封装删除 MOV 和 MP4 视频中的元数据。
文件夹会连同其所有子文件夹一起遍历。

之后会检查每个输出，并报告还留有哪些可识别身份的元数据。

退出状态：0 完成且已清理干净；1 报告了问题、留有可识别身份的元数据、有图像
未被更改或无法清理、跳过了命令行中指定的文件，或者排除了在文件夹中
找到的文件（不会被清理的视频类型、ExifTool 无法写入的类型、路径过长）；
2 用法错误或没有要清理的内容；3 内部错误；
被 SIGINT、SIGTERM 或 SIGHUP 停止：130、143 或 129（第二次 SIGINT 会立即停止）。</translation>
    </message>
</context>
</TS>

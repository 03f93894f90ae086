<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>BrowseForFolder</name>
    <message>
        <source>Select A Directory</source>
        <translation>フォルダーの選択</translation>
    </message>
</context>
<context>
    <name>CleanJob</name>
    <message>
        <source>Not cleaned: the run was stopped</source>
        <translation>クリーンアップされていません: 実行が中止されました</translation>
    </message>
    <message>
        <source>%1: cannot create a work folder in %2: %3</source>
        <translation>%1: %2 に作業フォルダーを作成できません: %3</translation>
    </message>
    <message>
        <source>%1: cannot create the log in %2</source>
        <translation>%1: %2 にログを作成できません</translation>
    </message>
    <message>
        <source>Internal program error!</source>
        <translation>プログラムの内部エラーです!</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>準備しています...</translation>
    </message>
    <message>
        <source>A prefix or suffix must be part of a file name: it cannot be empty or hold &apos;/&apos;.</source>
        <translation>接頭辞または接尾辞はファイル名の一部でなければなりません: 空にしたり &apos;/&apos; を含めたりすることはできません。</translation>
    </message>
    <message>
        <source>Cleaning images...</source>
        <translation>画像をクリーンアップしています...</translation>
    </message>
    <message>
        <source>ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside Quillmark.</source>
        <translation>ExifTool が見つかりません。ExifTool をインストールするか (Debian パッケージ libimage-exiftool-perl)、exiftool プログラムを Quillmark と同じ場所に置いてください。</translation>
    </message>
    <message>
        <source>The argument file could not be written: %1</source>
        <translation>引数ファイルを書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>Obfuscating file dates...</source>
        <translation>ファイルの日付を偽装しています...</translation>
    </message>
    <message>
        <source>Checking files...</source>
        <translation>ファイルを確認しています...</translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>既存の出力 1 件を保持しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n existing outputs were kept.</source>
        <translation>
            <numerusform>既存の出力 %n 件を保持しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier output was left out.</source>
        <translation>以前の出力 1 件を除外しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier outputs were left out.</source>
        <translation>
            <numerusform>以前の出力 %n 件を除外しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>The run was stopped; the images cleaned so far are kept.</source>
        <translation>実行が中止されました。ここまでにクリーンアップした画像は保持されます。</translation>
    </message>
    <message>
        <source>Problems were reported. See log for details.</source>
        <translation>問題が報告されました。詳しくはログを参照してください。</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>完了しました!</translation>
    </message>
    <message>
        <source>Error: ExifTool ended before it finished this image</source>
        <translation>エラー: この画像の処理が終わる前に ExifTool が終了しました</translation>
    </message>
    <message>
        <source>Error: The cleaned file would be damaged (%1); the original is kept</source>
        <translation>エラー: クリーンアップしたファイルが壊れてしまいます (%1)。元のファイルは保持されます</translation>
    </message>
    <message>
        <source>Error: The original is kept: %1</source>
        <translation>エラー: 元のファイルは保持されます: %1</translation>
    </message>
    <message>
        <source>Not cleaned: in use by another run or program (%1)</source>
        <translation>クリーンアップされていません: 別の実行またはプログラムが使用中です (%1)</translation>
    </message>
    <message>
        <source>Left out: an earlier output of another image of this run</source>
        <translation>除外: この実行の別の画像の以前の出力です</translation>
    </message>
    <message>
        <source>Left out (an earlier output) - %1</source>
        <translation>除外 (以前の出力) - %1</translation>
    </message>
    <message>
        <source>Error: The path is longer than the system allows (%1 bytes)</source>
        <translation>エラー: パスがシステムで許される長さ (%1 バイト) を超えています</translation>
    </message>
    <message>
        <source>Error: The image cannot be read (%1)</source>
        <translation>エラー: 画像を読み込めません (%1)</translation>
    </message>
    <message>
        <source>1 other name of this file (a hard link) still holds its metadata</source>
        <translation>このファイルの別名 (ハードリンク) 1 個にまだメタデータが残っています</translation>
    </message>
    <message numerus="yes">
        <source>%n other names of this file (hard links) still hold its metadata</source>
        <translation>
            <numerusform>このファイルの別名 (ハードリンク) %n 個にまだメタデータが残っています</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped: the output would replace the image itself</source>
        <translation>スキップ: 出力が画像自体を置き換えてしまいます</translation>
    </message>
    <message>
        <source>Skipped: the output would replace another image of this run</source>
        <translation>スキップ: 出力がこの実行の別の画像を置き換えてしまいます</translation>
    </message>
    <message>
        <source>Saved as %1: another image of this run has the same name</source>
        <translation>%1 として保存しました: この実行の別の画像に同じ名前があります</translation>
    </message>
    <message>
        <source>%1 image processed (%2 KB saved)</source>
        <translation>%1 枚の画像を処理しました (%2 KB 削減)</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed (%2 KB saved)</source>
        <translation>
            <numerusform>%1 枚の画像を処理しました (%2 KB 削減)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 image processed</source>
        <translation>%1 枚の画像を処理しました</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed</source>
        <translation>
            <numerusform>%1 枚の画像を処理しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 seconds (%2 sec avg)</source>
        <translation>
            <numerusform>所要時間 %1 秒 (平均 %2 秒)</numerusform>
        </translation>
    </message>
    <message>
        <source>kept existing output</source>
        <translation>既存の出力を保持しました</translation>
    </message>
    <message>
        <source>no folder for problem files was given</source>
        <translation>問題のあるファイル用のフォルダーが指定されていません</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>The original was moved to the trash.</source>
        <translation>元のファイルをゴミ箱に移動しました。</translation>
    </message>
    <message>
        <source>The original was moved to %1.</source>
        <translation>元のファイルを %1 に移動しました。</translation>
    </message>
    <message>
        <source>the trash refused it</source>
        <translation>ゴミ箱が受け付けませんでした</translation>
    </message>
    <message>
        <source>it cannot be moved there</source>
        <translation>そこへ移動できません</translation>
    </message>
    <message>
        <source>The original could not be moved: %1 - %2</source>
        <translation>元のファイルを移動できませんでした: %1 - %2</translation>
    </message>
    <message>
        <source>The original could not be moved: %1.</source>
        <translation>元のファイルを移動できませんでした: %1。</translation>
    </message>
    <message>
        <source>1 problem file was moved to the trash.</source>
        <translation>問題のあるファイル 1 個をゴミ箱に移動しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to the trash.</source>
        <translation>
            <numerusform>問題のあるファイル %n 個をゴミ箱に移動しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file was moved to %1.</source>
        <translation>問題のあるファイル 1 個を %1 に移動しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to %1.</source>
        <translation>
            <numerusform>問題のあるファイル %n 個を %1 に移動しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to the trash; the log says why.</source>
        <translation>問題のあるファイル 1 個をゴミ箱に移動できませんでした。理由はログを参照してください。</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to the trash; the log says why.</source>
        <translation>
            <numerusform>問題のあるファイル %n 個をゴミ箱に移動できませんでした。理由はログを参照してください。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to %1; the log says why.</source>
        <translation>問題のあるファイル 1 個を %1 に移動できませんでした。理由はログを参照してください。</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to %1; the log says why.</source>
        <translation>
            <numerusform>問題のあるファイル %n 個を %1 に移動できませんでした。理由はログを参照してください。</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>the image changed while it was cleaned</source>
        <translation>クリーンアップ中に画像が変更されました</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s owner and group (%1)</source>
        <translation>ファイルの所有者とグループを保持できません (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s access control list (%1)</source>
        <translation>ファイルのアクセス制御リストを保持できません (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s permissions</source>
        <translation>ファイルのアクセス権を保持できません</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot hold ExifTool&apos;s argument file; set TMPDIR or TEMP to another folder.</source>
        <translation>一時フォルダー %1 に ExifTool の引数ファイルを置けません。TMPDIR または TEMP に別のフォルダーを設定してください。</translation>
    </message>
    <message>
        <source>in %1 second (%2 sec avg)</source>
        <translation>所要時間 %1 秒 (平均 %2 秒)</translation>
    </message>
    <message>
        <source>Left out: videos need ffmpeg, which is not installed</source>
        <translation>除外: 動画には ffmpeg が必要ですが、インストールされていません</translation>
    </message>
    <message>
        <source>Left out (ffmpeg is not installed) - %1</source>
        <translation>除外 (ffmpeg がインストールされていません) - %1</translation>
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
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>ヘルプ: %1</translation>
    </message>
    <message>
        <source>There was an error reading the file...</source>
        <translation>ファイルの読み込み中にエラーが発生しました...</translation>
    </message>
    <message>
        <source>1 image will be cleaned</source>
        <translation>1 枚の画像をクリーンアップします:</translation>
    </message>
    <message numerus="yes">
        <source>%1 images will be cleaned</source>
        <translation>
            <numerusform>%1 枚の画像をクリーンアップします:</numerusform>
        </translation>
    </message>
    <message>
        <source>in place: the originals are overwritten.</source>
        <translation>その場で処理し、元のファイルを上書きします。</translation>
    </message>
    <message>
        <source>into the folder %1.</source>
        <translation>フォルダー %1 に保存します。</translation>
    </message>
    <message>
        <source>as copies whose names begin with &quot;%1&quot;.</source>
        <translation>名前が「%1」で始まるコピーとして保存します。</translation>
    </message>
    <message>
        <source>as copies whose names end with &quot;%1&quot;.</source>
        <translation>名前が「%1」で終わるコピーとして保存します。</translation>
    </message>
    <message>
        <source>Removed: %1.</source>
        <translation>削除: %1。</translation>
    </message>
    <message>
        <source>File dates are set to %1.</source>
        <translation>ファイルの日付を %1 に設定します。</translation>
    </message>
    <message>
        <source>File dates are set to random dates.</source>
        <translation>ファイルの日付をランダムな日付に設定します。</translation>
    </message>
    <message>
        <source>Originals that fail go to the trash.</source>
        <translation>失敗した元のファイルはゴミ箱に移動します。</translation>
    </message>
    <message>
        <source>Originals that fail are moved to %1.</source>
        <translation>失敗した元のファイルは %1 に移動します。</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>フォルダーを開くプログラムが設定されていません。クリーンアップした画像は次のフォルダーにあります:</translation>
    </message>
    <message>
        <source>No web browser is set up here. The home page is:</source>
        <translation>Web ブラウザーが設定されていません。ホームページ:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>中止</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 枚の画像</numerusform>
        </translation>
    </message>
    <message>
        <source>No images to clean were found in %1.</source>
        <translation>%1 にクリーンアップする画像が見つかりませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>No images to clean were found in %n folders: %1</source>
        <translation>
            <numerusform>%n 個のフォルダーにクリーンアップする画像が見つかりませんでした: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>ファイルを追加しています...</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>These files could not be added: their names are not valid UTF-8, which the file dialog cannot pass on. Add them with &quot;Add from Folder&quot; or drop them on the list:</source>
        <translation>次のファイルは追加できませんでした: 名前が有効な UTF-8 ではないため、ファイルダイアログから渡せません。「フォルダーから追加」で追加するか、リストにドロップしてください:</translation>
    </message>
    <message>
        <source>Select a folder with images to add:</source>
        <translation>追加する画像のあるフォルダーを選択してください:</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>処理するファイルがありません...</translation>
    </message>
    <message>
        <source>quillmark: -auto: cannot start: %1</source>
        <translation>quillmark: -auto: 開始できません: %1</translation>
    </message>
    <message>
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message>
        <source>Exif is the standard metadata tag used by digital cameras to store information about the image, location, camera settings etc. It can be found in JPG, TIFF, PNG, MIFF and HDP images, as well as many TIFF-based RAW images.</source>
        <translation>Exif はデジタルカメラが画像、撮影場所、カメラの設定などの情報を保存するのに使う標準のメタデータタグです。JPG、TIFF、PNG、MIFF、HDP 画像のほか、TIFF ベースの多くの RAW 画像に含まれます。</translation>
    </message>
    <message>
        <source>Exif GPS</source>
        <translation>Exif GPS</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. The GPS tags are part of the EXIF standard, and are stored in a separate section within the EXIF information.</source>
        <translation>位置情報は写真が撮影された場所の情報を保存するのに使われます。GPS タグは EXIF 規格の一部で、EXIF 情報の中の独立したセクションに保存されます。</translation>
    </message>
    <message>
        <source>Exif thumbnail image</source>
        <translation>Exif サムネイル画像</translation>
    </message>
    <message>
        <source>A thumbnail is a small representation of the image that can be used to quickly display a preview of the image.</source>
        <translation>サムネイルは画像を小さく表したもので、画像のプレビューをすばやく表示するのに使われます。</translation>
    </message>
    <message>
        <source>ICC Color Profile</source>
        <translation>ICC カラープロファイル</translation>
    </message>
    <message>
        <source>ICC profile information is used in many different file types including JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT and some RAW formats. Removing this tag may change the color appearance of the image.</source>
        <translation>ICC プロファイル情報は JPEG、TIFF、PDF、Photoshop、PNG、MIFF、PICT や一部の RAW 形式など、多くのファイル形式で使われます。このタグを削除すると画像の色の見え方が変わることがあります。</translation>
    </message>
    <message>
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message>
        <source>XMP is a metadata format which is being pushed by Adobe. Information in this format can be embedded in many different image file types including JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU and MIFF, as well as videos and audio formats.</source>
        <translation>XMP は Adobe が推進しているメタデータ形式です。この形式の情報は JPG、JP2、TIFF、GIF、EPS、PDF、PSD、DNG、PNG、DJVU、MIFF など多くの画像ファイル形式のほか、動画や音声の形式にも埋め込むことができます。</translation>
    </message>
    <message>
        <source>IPTC</source>
        <translation>IPTC</translation>
    </message>
    <message>
        <source>This is an older meta information format that is slowly being phased out in favor of XMP. IPTC information may be embedded in JPG, TIFF, PNG, MIFF, PS, PDF, PSD and DNG images.</source>
        <translation>XMP に置き換えられて徐々に使われなくなりつつある古いメタ情報形式です。IPTC 情報は JPG、TIFF、PNG、MIFF、PS、PDF、PSD、DNG 画像に埋め込まれていることがあります。</translation>
    </message>
    <message>
        <source>All other supported</source>
        <translation>その他のサポート対象すべて</translation>
    </message>
    <message>
        <source>This includes the Jpeg Comment, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky and MakerNotes.</source>
        <translation>JPEG コメント、AFCP、CanonVRD、FotoStation、PhotoMechanic、MIE、Ducky、MakerNotes が含まれます。</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>接頭辞</translation>
    </message>
    <message>
        <source>The prefix text is added IN FRONT of the current filename, in order to create a new image file.</source>
        <translation>接頭辞のテキストは現在のファイル名の「前」に付けられ、新しい画像ファイルが作成されます。</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>接尾辞</translation>
    </message>
    <message>
        <source>The suffix text is added AFTER of the current filename, in order to create a new image file.</source>
        <translation>接尾辞のテキストは現在のファイル名の「後」に付けられ、新しい画像ファイルが作成されます。</translation>
    </message>
    <message>
        <source>Photoshop Tag &amp; Thumbnail</source>
        <translation>Photoshop タグとサムネイル</translation>
    </message>
    <message>
        <source>Photoshop tags are found in PSD files, as well as inside embedded Photoshop information in many other file types (JPEG, TIFF, PDF, PNG to name a few). Removing this tag will also remove the IPTC tag.</source>
        <translation>Photoshop タグは PSD ファイルのほか、他の多くのファイル形式 (JPEG、TIFF、PDF、PNG など) に埋め込まれた Photoshop 情報の中にもあります。このタグを削除すると IPTC タグも削除されます。</translation>
    </message>
    <message>
        <source>Remove all supported tags</source>
        <translation>サポートされているタグをすべて削除</translation>
    </message>
    <message>
        <source>Use this option to make sure that you remove as much metadata information as possible! There is one exception: The Adobe APP14 is not removed because doing so may change the image apperance.</source>
        <translation>できるだけ多くのメタデータ情報を確実に削除したいときはこのオプションを使ってください! ただし例外が 1 つあります: Adobe APP14 は削除すると画像の見た目が変わるおそれがあるため削除されません。</translation>
    </message>
    <message>
        <source>Remove TIFF IFD0 data</source>
        <translation>TIFF IFD0 データを削除</translation>
    </message>
    <message>
        <source>TIFF images can contain information in the first image file directory (IFD0), separate from other tags. This applies to TIFF files as well as image types based on the TIFF file format: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 &amp; SRW.</source>
        <translation>TIFF 画像は、ほかのタグとは別に最初のイメージファイルディレクトリ (IFD0) に情報を含むことがあります。これは TIFF ファイルのほか、TIFF 形式をベースにした画像形式 (ARQ、ARW、CR2、DNG、ERF、EXIF、FFF、HDP、WDP、JXR、IIQ、MEF、MOS、NEF、NRW、ORF、ORI、PEF、RW2、RWL、SR2、SRW) にも当てはまります。</translation>
    </message>
    <message>
        <source>Obfuscate file dates</source>
        <translation>ファイルの日付を偽装</translation>
    </message>
    <message>
        <source>The date of the image file can potentially reveal information about when the image was taken and/or modified. This option will set the file&apos;s Created, Modified and Accessed dates to a new date (defaults: 1980-2010 for random dates and 1980-01-01 00:00:00 for the specific date). Please note that dates may change when the file is later altered, move, copied etc.</source>
        <translation>画像ファイルの日付から、画像がいつ撮影または変更されたかがわかることがあります。このオプションは、ファイルの作成日時、変更日時、アクセス日時を新しい日付に設定します (既定: ランダムな日付は 1980-2010 年、指定の日付は 1980-01-01 00:00:00)。なお、後でファイルを変更、移動、コピーなどすると日付が変わることがあります。</translation>
    </message>
    <message>
        <source>Move erroneous files</source>
        <translation>エラーのファイルを移動</translation>
    </message>
    <message>
        <source>If there was an error and the file could not be processed (as indicated by the logs), this allows you to move the original file to a folder or delete it. Note that if you choose to move the file to a folder, and another file with the same name already exists, the file will not be moved. Note: This does not apply to warnings, only errors. Files with warnings will still be processed, but may be visible in the logs.</source>
        <translation>エラーが発生してファイルを処理できなかった場合 (ログに示されます)、元のファイルをフォルダーに移動するか削除できます。ファイルをフォルダーに移動する場合、同じ名前のファイルがすでにあると、ファイルは移動されません。注意: これは警告には適用されず、エラーにのみ適用されます。警告のあるファイルは処理されますが、ログに表示されることがあります。</translation>
    </message>
    <message>
        <source>GeoTIFF</source>
        <translation>GeoTIFF</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. GeoTIFF is used by TIFF files or image formats based on the TIFF file format.</source>
        <translation>位置情報は写真が撮影された場所の情報を保存するのに使われます。GeoTIFF は TIFF ファイルや TIFF 形式をベースにした画像形式で使われます。</translation>
    </message>
    <message>
        <source>Adobe APP14</source>
        <translation>Adobe APP14</translation>
    </message>
    <message>
        <source>This tag is present in JPEG files and contains encoding information. If removed, the image apperance may be altered. Because of this it is not recommended to remove. It contains no personal information, but does indicate that an Adobe product has been used.</source>
        <translation>このタグは JPEG ファイルにあり、エンコードの情報を含みます。削除すると画像の見た目が変わることがあるため、削除はお勧めしません。個人情報は含みませんが、Adobe 製品が使われたことはわかります。</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>向きとカラープロファイルを保持</translation>
    </message>
    <message>
        <source>The orientation tag tells viewers which way up to show the picture, and the colour profile tells them which colours it holds. Without the orientation, portrait photos are shown sideways; without the colour profile, colours may look wrong (for example the wide-gamut photos of recent phones). Neither identifies a person, so both are kept unless you clear this option.</source>
        <translation>向きのタグは画像をどちらを上にして表示するかをビューアーに伝え、カラープロファイルは画像の色を伝えます。向きがないと縦向きの写真が横向きに表示され、カラープロファイルがないと色がおかしく見えることがあります (最近のスマートフォンの広色域の写真など)。どちらも個人を特定するものではないため、このオプションをオフにしない限り両方とも保持されます。</translation>
    </message>
    <message>
        <source>Click here to add images, or drag and drop them onto the file list to the right.</source>
        <translation>ここをクリックして画像を追加するか、右側のファイルリストに画像をドラッグアンドドロップしてください。</translation>
    </message>
    <message>
        <source>This program is primarily designed to work on JPEG images, but also works with other file formats, including: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD &amp; X3F.</source>
        <translation>このプログラムは主に JPEG 画像向けに作られていますが、ARQ、ARW、CR2、CR3、CRW、CIFF、CS1、DCP、DNG、EPS、EPSF、FFF、FLIF、IND、INSP、ERF、HDP、HEIC、HEIF、WDP、JP2、JPX、JPEG、JXL、MEF、MIE、MOS、MPO、MRW、NEF、NRW、ORF、ORI、PEF、PS、PSB、RAF、RAW、RW2、RWL、SR2、SRW、THM、TIFF、VRD、X3F など他のファイル形式にも対応しています。</translation>
    </message>
    <message>
        <source>Add Images from Folder</source>
        <translation>フォルダーから画像を追加</translation>
    </message>
    <message>
        <source>Same as above, but you choose a folder and the program will add all images found in this folder and its sub-folders.</source>
        <translation>上と同じですが、フォルダーを選択すると、そのフォルダーとサブフォルダーにあるすべての画像が追加されます。</translation>
    </message>
    <message>
        <source>Because of a bug in Windows 7, your system is using a font set that is too large for your current DPI settings. This may cause Quillmark (and other applications) to look distorted. Although only a visual problem, I recommend you to fix this problem, and will now open a page with help!</source>
        <translation>Windows 7 の不具合のため、現在の DPI 設定に対して大きすぎるフォントセットが使われています。このため Quillmark (およびほかのアプリケーション) の表示が崩れることがあります。表示上の問題にすぎませんが、修正することをお勧めします。これからヘルプのページを開きます!</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>次へ &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Choose image files</source>
        <translation>画像ファイルの選択</translation>
    </message>
    <message>
        <source>Add the images you want to clean. When you are ready, click &quot;Next&quot; to continue to the output page.</source>
        <translation>クリーンアップする画像を追加してください。準備ができたら「次へ」をクリックして出力のページに進みます。</translation>
    </message>
    <message>
        <source>Options (1/3)</source>
        <translation>オプション (1/3)</translation>
    </message>
    <message>
        <source>Decide where and how to save the cleaned files. Click &quot;Next&quot; to continue to the second options page.</source>
        <translation>クリーンアップしたファイルの保存先と保存方法を決めてください。「次へ」をクリックして 2 ページ目のオプションに進みます。</translation>
    </message>
    <message>
        <source>Options (2/3)</source>
        <translation>オプション (2/3)</translation>
    </message>
    <message>
        <source>Decide which metadata tags you want to remove.</source>
        <translation>削除するメタデータタグを選択してください。</translation>
    </message>
    <message>
        <source>Start &gt;</source>
        <translation>開始 &gt;</translation>
    </message>
    <message>
        <source>Options (3/3)</source>
        <translation>オプション (3/3)</translation>
    </message>
    <message>
        <source>Set additional options and processing rules.</source>
        <translation>追加のオプションと処理ルールを設定してください。</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>開始の準備完了</translation>
    </message>
    <message>
        <source>Check what the run will do; &quot;&lt; Back&quot; changes the options.</source>
        <translation>実行内容を確認してください。「&lt; 戻る」でオプションを変更できます。</translation>
    </message>
    <message>
        <source>Cleaning images</source>
        <translation>画像のクリーンアップ</translation>
    </message>
    <message>
        <source>Please wait while the images are being processed...</source>
        <translation>画像を処理しています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>The wizard has finished cleaning the images! Press the exit button to quit, or the back button to process more files.</source>
        <translation>ウィザードは画像のクリーンアップを完了しました! 「終了」ボタンを押すと終了し、「&lt; 戻る」ボタンを押すとさらにファイルを処理できます。</translation>
    </message>
    <message>
        <source>Stop cleaning? The images cleaned so far are kept.</source>
        <translation>クリーンアップを中止しますか? ここまでにクリーンアップした画像は保持されます。</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; 戻る</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>出力ファイルがすでに存在します! 既存のファイルを上書きしますか?</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB, far more than stored settings ever take, so it was not read. Quillmark starts with the default options and leaves the file as it is; the options of this session are not saved.</source>
        <translation>設定ファイル %1 は 1 MB を超えており、保存される設定としては大きすぎるため読み込みませんでした。Quillmark は既定のオプションで起動し、ファイルはそのままにします。このセッションのオプションは保存されません。</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Could not start a program: no program was named.</source>
        <translation>プログラムを起動できませんでした: プログラム名が指定されていません。</translation>
    </message>
    <message>
        <source>Could not start %1: the working folder %2 does not exist.</source>
        <translation>%1 を起動できませんでした: 作業フォルダー %2 が存在しません。</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>%1 を起動できませんでした: %2</translation>
    </message>
    <message>
        <source>%1 was stopped because the program is closing.</source>
        <translation>プログラムを終了するため %1 を停止しました。</translation>
    </message>
    <message>
        <source>%1 crashed or was killed.</source>
        <translation>%1 がクラッシュしたか強制終了されました。</translation>
    </message>
</context>
<context>
    <name>ContainerScan</name>
    <message>
        <source>the image data has no end marker</source>
        <translation>画像データに終了マーカーがありません</translation>
    </message>
    <message>
        <source>the file ends before the end-of-image marker</source>
        <translation>画像終了マーカーの前でファイルが終わっています</translation>
    </message>
    <message>
        <source>a segment does not start with a marker</source>
        <translation>マーカーで始まっていないセグメントがあります</translation>
    </message>
    <message>
        <source>the file ends inside a segment</source>
        <translation>セグメントの途中でファイルが終わっています</translation>
    </message>
    <message>
        <source>a segment runs past the end of the file</source>
        <translation>ファイルの末尾を越えるセグメントがあります</translation>
    </message>
    <message>
        <source>the file ends before the IEND chunk</source>
        <translation>IEND チャンクの前でファイルが終わっています</translation>
    </message>
    <message>
        <source>the %1 chunk runs past the end of the file</source>
        <translation>%1 チャンクがファイルの末尾を越えています</translation>
    </message>
    <message>
        <source>the file is shorter than its RIFF header says</source>
        <translation>ファイルが RIFF ヘッダーに示された長さより短くなっています</translation>
    </message>
    <message>
        <source>a chunk header runs past the end of the file</source>
        <translation>ファイルの末尾を越えるチャンクヘッダーがあります</translation>
    </message>
    <message>
        <source>the file ends inside the header</source>
        <translation>ヘッダーの途中でファイルが終わっています</translation>
    </message>
    <message>
        <source>the file ends before the GIF trailer</source>
        <translation>GIF トレーラーの前でファイルが終わっています</translation>
    </message>
    <message>
        <source>the file ends inside an image descriptor</source>
        <translation>イメージ記述子の途中でファイルが終わっています</translation>
    </message>
    <message>
        <source>the file ends inside an extension</source>
        <translation>拡張ブロックの途中でファイルが終わっています</translation>
    </message>
    <message>
        <source>an unknown block type</source>
        <translation>不明な種類のブロックがあります</translation>
    </message>
    <message>
        <source>a block runs past the end of the file</source>
        <translation>ファイルの末尾を越えるブロックがあります</translation>
    </message>
    <message>
        <source>the output cannot be read</source>
        <translation>出力を読み込めません</translation>
    </message>
</context>
<context>
    <name>DatePage</name>
    <message>
        <source>Additional options</source>
        <translation>追加のオプション</translation>
    </message>
    <message>
        <source>Obfuscate File Dates</source>
        <translation>ファイルの日付を偽装</translation>
    </message>
    <message>
        <source>Set to new date:</source>
        <translation>新しい日付に設定:</translation>
    </message>
    <message>
        <source>Generate a random date</source>
        <translation>ランダムな日付を生成</translation>
    </message>
    <message>
        <source>New file date</source>
        <translation>新しいファイルの日付</translation>
    </message>
    <message>
        <source>(change)</source>
        <translation>(変更)</translation>
    </message>
    <message>
        <source>Ignore minor errors and warnings</source>
        <translation>軽微なエラーと警告を無視</translation>
    </message>
    <message>
        <source>If processing fails, move original file to:</source>
        <translation>処理に失敗したら元のファイルを移動:</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>ゴミ箱</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>フォルダー:</translation>
    </message>
    <message>
        <source>Folder for files that fail</source>
        <translation>失敗したファイル用のフォルダー</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>出力先フォルダーを選択:</translation>
    </message>
</context>
<context>
    <name>ExifToolPool</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>%1 を起動できませんでした: %2</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly.</source>
        <translation>%1 が予期せず停止しました。</translation>
    </message>
</context>
<context>
    <name>FileDate</name>
    <message>
        <source>Set date</source>
        <translation>日付の設定</translation>
    </message>
    <message>
        <source>Set time</source>
        <translation>時刻の設定</translation>
    </message>
    <message>
        <source>Please enter a year. Default is 1980 (earlier is not possible to use). Format must be: YYYY</source>
        <translation>年を入力してください。既定は 1980 です (それより前は使用できません)。形式は YYYY です</translation>
    </message>
    <message>
        <source>Not a valid year...</source>
        <translation>有効な年ではありません...</translation>
    </message>
    <message>
        <source>Please enter a month. Default is 1. (1-12 is valid).</source>
        <translation>月を入力してください。既定は 1 です (1-12 が有効)。</translation>
    </message>
    <message>
        <source>Not a valid month...</source>
        <translation>有効な月ではありません...</translation>
    </message>
    <message>
        <source>Please enter a day. Default is 1 (1-31 is valid).</source>
        <translation>日を入力してください。既定は 1 です (1-31 が有効)。</translation>
    </message>
    <message>
        <source>Not a valid day...</source>
        <translation>有効な日ではありません...</translation>
    </message>
    <message>
        <source>Please enter an hour. Default is 0 (24H time only - 0-23 is valid).</source>
        <translation>時を入力してください。既定は 0 です (24 時間制のみ - 0-23 が有効)。</translation>
    </message>
    <message>
        <source>Not a valid hour...</source>
        <translation>有効な時ではありません...</translation>
    </message>
    <message>
        <source>Please enter a minute. Default is 0 (0-59 is valid).</source>
        <translation>分を入力してください。既定は 0 です (0-59 が有効)。</translation>
    </message>
    <message>
        <source>Not a valid minute...</source>
        <translation>有効な分ではありません...</translation>
    </message>
    <message>
        <source>Please enter a second. Default is 0 (0-59 is valid).</source>
        <translation>秒を入力してください。既定は 0 です (0-59 が有効)。</translation>
    </message>
    <message>
        <source>Not a valid second...</source>
        <translation>有効な秒ではありません...</translation>
    </message>
</context>
<context>
    <name>FinishedPage</name>
    <message>
        <source>Finished!</source>
        <translation>完了しました!</translation>
    </message>
    <message>
        <source>## images cleaned!</source>
        <translation>## 枚の画像をクリーンアップしました!</translation>
    </message>
    <message>
        <source>Show the problems of this run...</source>
        <translation>この実行の問題を表示...</translation>
    </message>
    <message>
        <source>Error details</source>
        <translation>エラーの詳細</translation>
    </message>
    <message>
        <source>Images of this run (double-click to compare):</source>
        <translation>この実行の画像 (ダブルクリックで比較):</translation>
    </message>
    <message>
        <source>Images of this run</source>
        <translation>この実行の画像</translation>
    </message>
    <message>
        <source>Each image with what became of it. Ctrl+I, a double-click or the context menu shows what cleaning removed from the current file and what is left.</source>
        <translation>各画像とその処理結果です。Ctrl+I、ダブルクリック、またはコンテキストメニューで、現在のファイルからクリーンアップで削除されたものと残っているものを表示します。</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>メタデータを表示</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Click here to open the destination folder...</source>
        <translation>ここをクリックすると出力先フォルダーを開きます...</translation>
    </message>
    <message>
        <source>Hide the images that were not reached</source>
        <translation>処理されなかった画像を隠す</translation>
    </message>
    <message>
        <source>Show the image that was not reached</source>
        <translation>処理されなかった画像を表示</translation>
    </message>
    <message numerus="yes">
        <source>Show the %1 images that were not reached</source>
        <translation>
            <numerusform>処理されなかった %1 枚の画像を表示</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IdentifyingTags</name>
    <message>
        <source>Location (GPS)</source>
        <translation>位置 (GPS)</translation>
    </message>
    <message>
        <source>where it was taken (GPS)</source>
        <translation>撮影場所 (GPS)</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>地名</translation>
    </message>
    <message>
        <source>where it was taken (place names)</source>
        <translation>撮影場所 (地名)</translation>
    </message>
    <message>
        <source>Home time zone</source>
        <translation>ホームのタイムゾーン</translation>
    </message>
    <message>
        <source>the camera&apos;s home time zone</source>
        <translation>カメラのホームのタイムゾーン</translation>
    </message>
    <message>
        <source>Location (map position)</source>
        <translation>位置 (地図上の位置)</translation>
    </message>
    <message>
        <source>where it lies on a map</source>
        <translation>地図上の位置</translation>
    </message>
    <message>
        <source>Lens serial number</source>
        <translation>レンズのシリアル番号</translation>
    </message>
    <message>
        <source>the lens&apos;s serial number</source>
        <translation>レンズのシリアル番号</translation>
    </message>
    <message>
        <source>Camera serial number</source>
        <translation>カメラのシリアル番号</translation>
    </message>
    <message>
        <source>the camera&apos;s serial number</source>
        <translation>カメラのシリアル番号</translation>
    </message>
    <message>
        <source>Unique identifier</source>
        <translation>一意の識別子</translation>
    </message>
    <message>
        <source>unique identifiers</source>
        <translation>一意の識別子</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>コンピューター名</translation>
    </message>
    <message>
        <source>the computer&apos;s name</source>
        <translation>コンピューターの名前</translation>
    </message>
    <message>
        <source>Original file name</source>
        <translation>元のファイル名</translation>
    </message>
    <message>
        <source>the original file name</source>
        <translation>元のファイル名</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>カメラ名</translation>
    </message>
    <message>
        <source>the camera&apos;s name</source>
        <translation>カメラの名前</translation>
    </message>
    <message>
        <source>Lens make and model</source>
        <translation>レンズのメーカーとモデル</translation>
    </message>
    <message>
        <source>the lens make and model</source>
        <translation>レンズのメーカーとモデル</translation>
    </message>
    <message>
        <source>Camera make and model</source>
        <translation>カメラのメーカーとモデル</translation>
    </message>
    <message>
        <source>the camera make and model</source>
        <translation>カメラのメーカーとモデル</translation>
    </message>
    <message>
        <source>Shutter count</source>
        <translation>シャッター回数</translation>
    </message>
    <message>
        <source>how many photos the camera has taken</source>
        <translation>カメラの撮影枚数</translation>
    </message>
    <message>
        <source>Camera or device detail</source>
        <translation>カメラまたはデバイスの詳細</translation>
    </message>
    <message>
        <source>details of the camera</source>
        <translation>カメラの詳細</translation>
    </message>
    <message>
        <source>Owner name</source>
        <translation>所有者名</translation>
    </message>
    <message>
        <source>the owner&apos;s name</source>
        <translation>所有者の名前</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>an e-mail address</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Contact details</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>contact details</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>People shown</source>
        <translation>写っている人物</translation>
    </message>
    <message>
        <source>who is in it</source>
        <translation>写っている人物</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>著作権表示</translation>
    </message>
    <message>
        <source>a copyright notice</source>
        <translation>著作権表示</translation>
    </message>
    <message>
        <source>Author name</source>
        <translation>作成者名</translation>
    </message>
    <message>
        <source>the author&apos;s name</source>
        <translation>作成者の名前</translation>
    </message>
    <message>
        <source>Date and time taken</source>
        <translation>撮影日時</translation>
    </message>
    <message>
        <source>when it was taken</source>
        <translation>撮影日時</translation>
    </message>
    <message>
        <source>Date and time changed</source>
        <translation>変更日時</translation>
    </message>
    <message>
        <source>when it was changed</source>
        <translation>変更日時</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>dates and times</source>
        <translation>日付と時刻</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>ソフトウェア</translation>
    </message>
    <message>
        <source>the software used</source>
        <translation>使用したソフトウェア</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>プリンター</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>プリンター</translation>
    </message>
    <message>
        <source>Image number</source>
        <translation>画像番号</translation>
    </message>
    <message>
        <source>the image number</source>
        <translation>画像番号</translation>
    </message>
    <message>
        <source>Document name</source>
        <translation>文書名</translation>
    </message>
    <message>
        <source>the document&apos;s name</source>
        <translation>文書の名前</translation>
    </message>
    <message>
        <source>Other metadata</source>
        <translation>その他のメタデータ</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Camera and device</source>
        <translation>カメラとデバイス</translation>
    </message>
    <message>
        <source>Names of people</source>
        <translation>人名</translation>
    </message>
    <message>
        <source>Dates and times</source>
        <translation>日付と時刻</translation>
    </message>
    <message>
        <source>Identifiers</source>
        <translation>識別子</translation>
    </message>
    <message>
        <source>Nothing identifying was found in the listing.</source>
        <translation>一覧に個人を特定できるものは見つかりませんでした。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、 </translation>
    </message>
    <message>
        <source>This photo reveals %1.</source>
        <translation>この写真から%1がわかります。</translation>
    </message>
    <message>
        <source>This video reveals %1.</source>
        <translation>この動画から%1がわかります。</translation>
    </message>
</context>
<context>
    <name>ImageFiles</name>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this raw type</source>
        <translation>除外: ExifTool はこの RAW 形式に書き込めません</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this image type</source>
        <translation>除外: ExifTool はこの画像形式に書き込めません</translation>
    </message>
    <message>
        <source>The path is longer than the system allows (%1 bytes)</source>
        <translation>パスがシステムで許される長さ (%1 バイト) を超えています</translation>
    </message>
    <message>
        <source>Not a supported image type.</source>
        <translation>サポートされていない画像形式です。</translation>
    </message>
    <message>
        <source>Supported images and videos</source>
        <translation>サポートされている画像と動画</translation>
    </message>
    <message>
        <source>Left out: this video type is not cleaned</source>
        <translation>除外: この動画形式はクリーンアップされません</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>Add Images</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Add from Folder</source>
        <translation>フォルダーから追加</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>選択したファイルを削除</translation>
    </message>
    <message>
        <source>Clear the file list</source>
        <translation>ファイルリストをクリア</translation>
    </message>
    <message>
        <source>Images to clean</source>
        <translation>クリーンアップする画像</translation>
    </message>
    <message>
        <source>No images yet. Add them with the buttons on the left, or drop them here.</source>
        <translation>画像はまだありません。左のボタンで追加するか、ここにドロップしてください。</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>メタデータを表示</translation>
    </message>
    <message>
        <source>Double-click an image to view its metadata</source>
        <translation>画像をダブルクリックするとメタデータを表示します</translation>
    </message>
    <message>
        <source>Ctrl+I shows the metadata of the current image; Delete removes the selected images.</source>
        <translation>Ctrl+I で現在の画像のメタデータを表示し、Delete で選択した画像をリストから削除します。</translation>
    </message>
    <message>
        <source>0 images</source>
        <translation>0 枚の画像</translation>
    </message>
    <message>
        <source>%1 images</source>
        <translation>%1 枚の画像</translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>ファイルを追加しています...</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>処理するファイルがありません...</translation>
    </message>
</context>
<context>
    <name>JobFiles</name>
    <message>
        <source>%1: not a file of this user</source>
        <translation>%1: このユーザーのファイルではありません</translation>
    </message>
</context>
<context>
    <name>MetadataCompare</name>
    <message>
        <source>removed</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>KEPT</source>
        <translation>保持</translation>
    </message>
    <message>
        <source>CHANGED</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>ADDED</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>計算値</translation>
    </message>
</context>
<context>
    <name>MetadataViewer</name>
    <message>
        <source>Metadata Viewer</source>
        <translation>メタデータビューアー</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>メタデータ</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>検索(&amp;F):</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>前へ(&amp;P)</translation>
    </message>
    <message>
        <source>Show &amp;removed tags</source>
        <translation>削除されたタグを表示(&amp;R)</translation>
    </message>
    <message>
        <source>%1 - Metadata Viewer</source>
        <translation>%1 - メタデータビューアー</translation>
    </message>
    <message>
        <source>Identifying metadata</source>
        <translation>個人を特定できるメタデータ</translation>
    </message>
    <message>
        <source>What it reveals</source>
        <translation>わかること</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message numerus="yes">
        <source>%n tag(s)</source>
        <translation>
            <numerusform>%n 個のタグ</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - compared with the original - Metadata Viewer</source>
        <translation>%1 - 元のファイルとの比較 - メタデータビューアー</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>元のファイル: %1</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>クリーンアップ後: %1</translation>
    </message>
    <message>
        <source>%1 tags removed, %2 kept, %3 added.</source>
        <translation>タグを %1 個削除、%2 個保持、%3 個追加しました。</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the kept tags can identify you (marked with !).</source>
        <translation>
            <numerusform>保持されたタグのうち %1 個は個人を特定できます (! 印付き)。</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags in bold are still in the cleaned file and come first; struck-through tags were removed. File names, sizes and dates on disk are left out.</source>
        <translation>太字のタグはクリーンアップ後のファイルにまだ残っているもので、先頭に表示されます。取り消し線のタグは削除されたものです。ディスク上のファイル名、サイズ、日付は表示されません。</translation>
    </message>
    <message numerus="yes">
        <source>The %n value(s) ExifTool computes from other tags (Composite) are listed last and not counted: they are not stored in the file.</source>
        <translation>
            <numerusform>ExifTool がほかのタグから計算する %n 個の値 (Composite) は最後に表示され、数に含まれません: ファイルには保存されていません。</numerusform>
        </translation>
    </message>
    <message>
        <source>kept, now listed as %1</source>
        <translation>保持 (現在は %1 として表示)</translation>
    </message>
    <message>
        <source>kept in the maker notes, which ExifTool can no longer name</source>
        <translation>メーカーノートに保持 (ExifTool では名前を特定できなくなっています)</translation>
    </message>
    <message>
        <source>computed, not stored in the file</source>
        <translation>計算値 (ファイルには保存されていません)</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Output mode:</source>
        <translation>出力モード:</translation>
    </message>
    <message>
        <source>Overwrite original</source>
        <translation>元のファイルを上書き</translation>
    </message>
    <message>
        <source>Save cleaned images in this folder:</source>
        <translation>クリーンアップした画像をこのフォルダーに保存:</translation>
    </message>
    <message>
        <source>Add prefix:</source>
        <translation>接頭辞を付ける:</translation>
    </message>
    <message>
        <source>Add suffix:</source>
        <translation>接尾辞を付ける:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>出力先フォルダー</translation>
    </message>
    <message>
        <source>cleaned_</source>
        <translation>cleaned_</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>接頭辞</translation>
    </message>
    <message>
        <source>_cleaned</source>
        <translation>_cleaned</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>接尾辞</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>出力先フォルダーを選択:</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <source>The output is damaged: %1.</source>
        <translation>出力が壊れています: %1。</translation>
    </message>
    <message>
        <source>The output could not be read back, so what is left in it is not known.</source>
        <translation>出力を読み戻せなかったため、何が残っているかわかりません。</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back.</source>
        <translation>ExifTool が出力を読み戻せません。</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back: %1</source>
        <translation>ExifTool が出力を読み戻せません: %1</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer opens in a raw converter (%1); the original is kept.</source>
        <translation>クリーンアップした RAW ファイルが RAW 現像ソフトで開けなくなりました (%1)。元のファイルは保持されます。</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer gives the original&apos;s picture; the original is kept.</source>
        <translation>クリーンアップした RAW ファイルから元の画像が得られなくなりました。元のファイルは保持されます。</translation>
    </message>
    <message>
        <source>The image was copied without removing anything.</source>
        <translation>何も削除せずに画像をコピーしました。</translation>
    </message>
</context>
<context>
    <name>ProblemView</name>
    <message>
        <source>Problems of this run</source>
        <translation>この実行の問題</translation>
    </message>
    <message>
        <source>What this run could not do, image by image. Hover over a name for its full path.</source>
        <translation>この実行でできなかったことを画像ごとに示します。名前にマウスを合わせるとフルパスを表示します。</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>内部エラーにより実行が終了しました</translation>
    </message>
    <message>
        <source>Could not be cleaned</source>
        <translation>クリーンアップできませんでした</translation>
    </message>
    <message>
        <source>Still carry identifying metadata</source>
        <translation>個人を特定できるメタデータがまだ残っています</translation>
    </message>
    <message>
        <source>Warnings about images that were cleaned</source>
        <translation>クリーンアップした画像に関する警告</translation>
    </message>
    <message>
        <source>No image of this run had a problem.</source>
        <translation>この実行で問題のあった画像はありません。</translation>
    </message>
    <message>
        <source>(ExifTool&apos;s messages go on; this shows their first 4 MB.)</source>
        <translation>(ExifTool のメッセージは続きます。ここには最初の 4 MB を表示しています。)</translation>
    </message>
    <message>
        <source>ExifTool&apos;s messages</source>
        <translation>ExifTool のメッセージ</translation>
    </message>
    <message>
        <source>Show ExifTool&apos;s messages</source>
        <translation>ExifTool のメッセージを表示</translation>
    </message>
    <message>
        <source>Hide ExifTool&apos;s messages</source>
        <translation>ExifTool のメッセージを隠す</translation>
    </message>
</context>
<context>
    <name>QuickCleanDialog</name>
    <message>
        <source>Remove metadata</source>
        <translation>メタデータを削除</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Show problems</source>
        <translation>問題を表示</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>画像を探しています...</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>何もクリーンアップしていません</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read.</source>
        <translation>設定ファイル %1 は 1 MB を超えているため読み込みませんでした。</translation>
    </message>
    <message>
        <source>No options are stored yet, so the defaults are used: cleaned copies named with &quot;%1&quot; beside the originals.</source>
        <translation>オプションがまだ保存されていないため、既定のオプションを使います: 名前に「%1」を付けたクリーンアップ済みのコピーを元のファイルと同じ場所に作成します。</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the run was stopped</source>
        <translation>何もクリーンアップしていません。実行が中止されました</translation>
    </message>
    <message>
        <source>No image to clean: nothing was selected.</source>
        <translation>クリーンアップする画像がありません: 何も選択されていません。</translation>
    </message>
    <message>
        <source>No image to clean in %1.</source>
        <translation>%1 にクリーンアップする画像がありません。</translation>
    </message>
    <message numerus="yes">
        <source>No image to clean in %1 and %n other items.</source>
        <translation>
            <numerusform>%1 とほか %n 個の項目にクリーンアップする画像がありません。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overwrite the originals of %n images?</source>
        <translation>
            <numerusform>画像 %n 枚の元のファイルを上書きしますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>元のファイルは上書きされます。元に戻すことはできません。</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the originals are as they were</source>
        <translation>何もクリーンアップしていません。元のファイルは変更されていません</translation>
    </message>
    <message numerus="yes">
        <source>Cleaning %n images...</source>
        <translation>
            <numerusform>画像 %n 枚をクリーンアップしています...</numerusform>
        </translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>出力ファイルがすでに存在します! 既存のファイルを上書きしますか?</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>フォルダーを開くプログラムが設定されていません。クリーンアップした画像は次のフォルダーにあります:</translation>
    </message>
</context>
<context>
    <name>ReadyPage</name>
    <message>
        <source>Ready to start</source>
        <translation>開始の準備完了</translation>
    </message>
    <message>
        <source>Press &quot;Start&quot; to clean the images.</source>
        <translation>「開始」を押すと画像のクリーンアップを始めます。</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Skip this page in the future.</source>
        <translation>今後このページを表示しない</translation>
    </message>
    <message>
        <source>999 images will be cleaned as copies whose names end with &quot;_cleaned&quot;. Removed: all supported metadata, APP14. File dates are set to random dates. Originals that fail go to the trash.</source>
        <translation>999 枚の画像をクリーンアップします: 名前が「_cleaned」で終わるコピーとして保存します。削除: サポートされているすべてのメタデータ、APP14。ファイルの日付をランダムな日付に設定します。失敗した元のファイルはゴミ箱に移動します。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>元のファイルは上書きされます。元に戻すことはできません。</translation>
    </message>
    <message>
        <source>Cannot start</source>
        <translation>開始できません</translation>
    </message>
</context>
<context>
    <name>RunCheck</name>
    <message>
        <source>1 original cannot be overwritten: %1</source>
        <translation>元のファイル 1 個を上書きできません: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n originals cannot be overwritten: %1</source>
        <translation>
            <numerusform>元のファイル %n 個を上書きできません: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>フォルダー %1 を作成できません: %2 はファイルであり、フォルダーではありません。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 cannot be written to.</source>
        <translation>フォルダー %1 を作成できません: %2 に書き込めません。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>フォルダー %1 に書き込めません。</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be written to: %1</source>
        <translation>
            <numerusform>%n 個のフォルダーに書き込めません: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not enough free space in %1: about %2 needed, %3 free.</source>
        <translation>%1 の空き容量が足りません: 約 %2 必要ですが、空きは %3 です。</translation>
    </message>
</context>
<context>
    <name>RunPage</name>
    <message>
        <source>Processing images, please wait...</source>
        <translation>画像を処理しています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>処理中</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>残り約 %n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>残り約 %n 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>残り約 %n 時間</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Paused: waiting for your answer</source>
        <translation>一時停止中: 回答を待っています</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>1 image still carries identifying metadata.</source>
        <translation>1 枚の画像に個人を特定できるメタデータがまだ残っています。</translation>
    </message>
    <message numerus="yes">
        <source>%1 images still carry identifying metadata.</source>
        <translation>
            <numerusform>%1 枚の画像に個人を特定できるメタデータがまだ残っています。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 raw file ExifTool cannot write</source>
        <translation>ExifTool が書き込めない RAW ファイル 1 個</translation>
    </message>
    <message numerus="yes">
        <source>%n raw files ExifTool cannot write</source>
        <translation>
            <numerusform>ExifTool が書き込めない RAW ファイル %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image ExifTool cannot write</source>
        <translation>ExifTool が書き込めない画像 1 枚</translation>
    </message>
    <message numerus="yes">
        <source>%n images ExifTool cannot write</source>
        <translation>
            <numerusform>ExifTool が書き込めない画像 %n 枚</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path longer than the system allows</source>
        <translation>システムで許される長さを超えるパス 1 個</translation>
    </message>
    <message numerus="yes">
        <source>%n paths longer than the system allows</source>
        <translation>
            <numerusform>システムで許される長さを超えるパス %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file that is not a supported image</source>
        <translation>サポートされている画像ではないファイル 1 個</translation>
    </message>
    <message numerus="yes">
        <source>%n files that are not supported images</source>
        <translation>
            <numerusform>サポートされている画像ではないファイル %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out: %1.</source>
        <translation>1 個のファイルを除外しました: %1。</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: %1.</source>
        <translation>
            <numerusform>%n 個のファイルを除外しました: %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: no identifying metadata left.</source>
        <translation>クリーンアップ済み: 個人を特定できるメタデータは残っていません。</translation>
    </message>
    <message>
        <source>Identifying metadata is left:</source>
        <translation>個人を特定できるメタデータが残っています:</translation>
    </message>
    <message>
        <source>Unchanged: ExifTool could not remove anything.</source>
        <translation>変更なし: ExifTool は何も削除できませんでした。</translation>
    </message>
    <message>
        <source>Failed: no cleaned file was written.</source>
        <translation>失敗: クリーンアップしたファイルは書き込まれませんでした。</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>スキップしました。</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>クリーンアップ済み</translation>
    </message>
    <message>
        <source>Still identifying</source>
        <translation>特定情報あり</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>未クリーンアップ</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>除外</translation>
    </message>
    <message>
        <source>Output kept</source>
        <translation>出力を保持</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>未処理</translation>
    </message>
    <message>
        <source>The file is not a %1 image; it looks like a %2 file.</source>
        <translation>このファイルは %1 画像ではありません。%2 ファイルのようです。</translation>
    </message>
    <message>
        <source>The file is not a valid %1 image.</source>
        <translation>このファイルは有効な %1 画像ではありません。</translation>
    </message>
    <message>
        <source>The %1 image is damaged.</source>
        <translation>%1 画像が壊れています。</translation>
    </message>
    <message>
        <source>The file is damaged or is not the kind of image its name says.</source>
        <translation>ファイルが壊れているか、名前が示す種類の画像ではありません。</translation>
    </message>
    <message>
        <source>ExifTool had nothing to copy back into the cleaned file (no writable tags set).</source>
        <translation>ExifTool がクリーンアップしたファイルに書き戻すものがありませんでした (書き込み可能なタグが設定されていません)。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>内部エラーにより実行が終了しました</translation>
    </message>
    <message>
        <source>No image was cleaned: the run ended on an internal error</source>
        <translation>画像はクリーンアップされませんでした: 内部エラーにより実行が終了しました</translation>
    </message>
    <message>
        <source>No image was cleaned; the run was stopped</source>
        <translation>画像はクリーンアップされませんでした。実行は中止されました</translation>
    </message>
    <message>
        <source>No image was cleaned: %1</source>
        <translation>画像はクリーンアップされませんでした: %1</translation>
    </message>
    <message>
        <source>No image was cleaned; 1 could not be cleaned</source>
        <translation>画像はクリーンアップされませんでした。1 枚はクリーンアップできませんでした</translation>
    </message>
    <message numerus="yes">
        <source>No image was cleaned; %1 could not be cleaned</source>
        <translation>
            <numerusform>画像はクリーンアップされませんでした。%1 枚はクリーンアップできませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>No image was cleaned</source>
        <translation>画像はクリーンアップされませんでした</translation>
    </message>
    <message>
        <source>The image was cleaned</source>
        <translation>画像をクリーンアップしました</translation>
    </message>
    <message numerus="yes">
        <source>All %1 images were cleaned</source>
        <translation>
            <numerusform>%1 枚の画像をすべてクリーンアップしました</numerusform>
        </translation>
    </message>
    <message>
        <source>0 of 1 image was cleaned</source>
        <translation>1 枚中 0 枚の画像をクリーンアップしました</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 images were cleaned</source>
        <translation>
            <numerusform>%2 枚中 %1 枚の画像をクリーンアップしました</numerusform>
        </translation>
    </message>
    <message>
        <source>; the run was stopped</source>
        <translation>。実行は中止されました</translation>
    </message>
    <message>
        <source>; 1 still carries identifying metadata</source>
        <translation>。1 枚には個人を特定できるメタデータがまだ残っています</translation>
    </message>
    <message numerus="yes">
        <source>; %1 still carry identifying metadata</source>
        <translation>
            <numerusform>。%1 枚には個人を特定できるメタデータがまだ残っています</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %1 could not be cleaned</source>
        <translation>
            <numerusform>。%1 枚はクリーンアップできませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 existing output was kept</source>
        <translation>。既存の出力 1 件を保持しました</translation>
    </message>
    <message numerus="yes">
        <source>; %1 existing outputs were kept</source>
        <translation>
            <numerusform>。既存の出力 %1 件を保持しました</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was cleaned.</source>
        <translation>1 枚の画像をクリーンアップしました。</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were cleaned.</source>
        <translation>
            <numerusform>%1 枚の画像をクリーンアップしました。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image could not be cleaned.</source>
        <translation>1 枚の画像をクリーンアップできませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%1 images could not be cleaned.</source>
        <translation>
            <numerusform>%1 枚の画像をクリーンアップできませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was not reached before the stop.</source>
        <translation>中止までに 1 枚の画像が処理されませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were not reached before the stop.</source>
        <translation>
            <numerusform>中止までに %1 枚の画像が処理されませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>既存の出力 1 件を保持しました。</translation>
    </message>
    <message numerus="yes">
        <source>%1 existing outputs were kept.</source>
        <translation>
            <numerusform>既存の出力 %1 件を保持しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out.</source>
        <translation>1 個のファイルを除外しました。</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were left out.</source>
        <translation>
            <numerusform>%1 個のファイルを除外しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 video of a type not cleaned</source>
        <translation>クリーンアップされない形式の動画 1 個</translation>
    </message>
    <message numerus="yes">
        <source>%n videos of types not cleaned</source>
        <translation>
            <numerusform>クリーンアップされない形式の動画 %n 個</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TagsPage</name>
    <message>
        <source>Metadata to remove:</source>
        <translation>削除するメタデータ:</translation>
    </message>
    <message>
        <source>All supported</source>
        <translation>サポート対象すべて</translation>
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
        <translation>Exif サムネイル</translation>
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
        <translation>ICC プロファイル</translation>
    </message>
    <message>
        <source>PS Tag &amp;&amp; Thumb</source>
        <translation>PS タグ &amp;&amp; サムネイル</translation>
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
        <translation>その他すべて</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>向きとカラープロファイルを保持</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>マニュアル</translation>
    </message>
    <message>
        <source>Disclaimer: This program can not guarantee full support for all above tags in image formats other than JPEG. RAW images are especially complicated. You should check the produced images to make sure that undesired metadata has been removed. See %1 for more information.</source>
        <translation>免責事項: このプログラムは、JPEG 以外の画像形式で上記のすべてのタグに完全に対応することは保証できません。RAW 画像は特に複雑です。作成された画像を確認し、不要なメタデータが削除されていることを確かめてください。詳しくは%1を参照してください。</translation>
    </message>
    <message>
        <source>all supported metadata</source>
        <translation>サポートされているすべてのメタデータ</translation>
    </message>
</context>
<context>
    <name>UpdateControls</name>
    <message>
        <source>%1 image</source>
        <translation>%1 枚の画像</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 枚の画像</numerusform>
        </translation>
    </message>
    <message>
        <source>(1 earlier output left out)</source>
        <translation>(以前の出力 1 件を除外)</translation>
    </message>
    <message numerus="yes">
        <source>(%n earlier outputs left out)</source>
        <translation>
            <numerusform>(以前の出力 %n 件を除外)</numerusform>
        </translation>
    </message>
    <message>
        <source>A prefix or suffix is part of the file name and cannot contain &quot;/&quot;.</source>
        <translation>接頭辞または接尾辞はファイル名の一部のため、「/」を含めることはできません。</translation>
    </message>
</context>
<context>
    <name>VideoStage</name>
    <message>
        <source>Error: The video is incomplete (it ends inside a box)</source>
        <translation>エラー: 動画が不完全です (ボックスの途中で終わっています)</translation>
    </message>
    <message>
        <source>Error: Not a readable video (no movie header)</source>
        <translation>エラー: 読み込める動画ではありません (ムービーヘッダーがありません)</translation>
    </message>
    <message>
        <source>the remuxed video could not be kept</source>
        <translation>再多重化した動画を保持できませんでした</translation>
    </message>
    <message>
        <source>ffmpeg ended with code %1</source>
        <translation>ffmpeg がコード %1 で終了しました</translation>
    </message>
    <message>
        <source>Error: ffmpeg cannot remux this video: %1</source>
        <translation>エラー: ffmpeg はこの動画を再多重化できません: %1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome to Quillmark!</source>
        <translation>Quillmark へようこそ!</translation>
    </message>
    <message>
        <source>This program deletes metadata tags and thumbnails from inside image files. This helps to protect your online privacy, as well as saving disk space. Drop photos or folders here, or click Next to choose them.</source>
        <translation>このプログラムは画像ファイル内のメタデータタグとサムネイルを削除します。オンラインでのプライバシーを守り、ディスク容量の節約にも役立ちます。ここに写真やフォルダーをドロップするか、「次へ」をクリックして選択してください。</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>ホームページ:</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Try &apos;quillmark --help&apos;.</source>
        <translation>&apos;quillmark --help&apos; を試してください。</translation>
    </message>
    <message>
        <source>quillmark: -auto: the settings file %1 is larger than 1 MB and was not read; nothing was cleaned</source>
        <translation>quillmark: -auto: 設定ファイル %1 は 1 MB を超えているため読み込みませんでした。何もクリーンアップしていません</translation>
    </message>
    <message>
        <source>Removes metadata from image files, in a wizard window.</source>
        <translation>ウィザードウィンドウで画像ファイルからメタデータを削除します。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Clean FOLDER unattended with the stored options, then exit.</source>
        <translation>保存されたオプションで FOLDER を自動でクリーンアップし、終了します。</translation>
    </message>
    <message>
        <source>Images and folders to start with.</source>
        <translation>最初に追加する画像とフォルダー。</translation>
    </message>
    <message>
        <source>-auto takes exactly one folder and no other paths.</source>
        <translation>-auto にはフォルダーを 1 つだけ指定し、ほかのパスは指定できません。</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: the folder cannot be read</source>
        <translation>quillmark: -auto: %1: フォルダーを読み込めません</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: no such folder</source>
        <translation>quillmark: -auto: %1: そのようなフォルダーはありません</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: not a folder</source>
        <translation>quillmark: -auto: %1: フォルダーではありません</translation>
    </message>
    <message>
        <source>Clean the images and folders given as PATH with the stored options, showing the outcome in a small window.</source>
        <translation>PATH に指定した画像とフォルダーを保存されたオプションでクリーンアップし、結果を小さなウィンドウに表示します。</translation>
    </message>
    <message>
        <source>--clean and -auto cannot be used together.</source>
        <translation>--clean と -auto は同時に指定できません。</translation>
    </message>
</context>
<context>
    <name>WizardPage</name>
    <message>
        <source>Browse for a folder to put the cleaned images in...</source>
        <translation>クリーンアップした画像を保存するフォルダーを参照...</translation>
    </message>
</context>
<context>
    <name>quillmark_cli</name>
    <message>
        <source>quillmark-cli: cannot write the report %1: %2</source>
        <translation>quillmark-cli: レポート %1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>画像を探しています...</translation>
    </message>
    <message>
        <source>Stopped while looking for images; nothing was cleaned.</source>
        <translation>画像を探している間に中止されました。何もクリーンアップしていません。</translation>
    </message>
    <message>
        <source>quillmark-cli: no supported images found</source>
        <translation>quillmark-cli: サポートされている画像が見つかりません</translation>
    </message>
    <message>
        <source>quillmark-cli: ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside quillmark-cli.</source>
        <translation>quillmark-cli: ExifTool が見つかりません。ExifTool をインストールするか (Debian パッケージ libimage-exiftool-perl)、exiftool プログラムを quillmark-cli と同じ場所に置いてください。</translation>
    </message>
    <message>
        <source>quillmark-cli: cannot start: %1</source>
        <translation>quillmark-cli: 開始できません: %1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>ログ: %1</translation>
    </message>
    <message>
        <source>Try &apos;quillmark-cli --help&apos;.</source>
        <translation>&apos;quillmark-cli --help&apos; を試してください。</translation>
    </message>
    <message>
        <source>Image files and folders to clean.</source>
        <translation>クリーンアップする画像ファイルとフォルダー。</translation>
    </message>
    <message>
        <source>Where cleaned files go: overwrite, folder=DIR, prefix=TEXT or suffix=TEXT (default suffix=_cleaned).</source>
        <translation>クリーンアップしたファイルの保存先: overwrite、folder=DIR、prefix=TEXT、suffix=TEXT のいずれか (既定は suffix=_cleaned)。</translation>
    </message>
    <message>
        <source>What to remove, a comma list of: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (default all).</source>
        <translation>削除するもの。次の項目のコンマ区切りリスト: all、exif、gps、thumbnail、xmp、iptc、icc、photoshop、ifd0、geotiff、app14、other (既定は all)。</translation>
    </message>
    <message>
        <source>What stays whatever --remove says, since it changes how the picture looks and identifies nobody: a comma list of orientation and color, or none (default orientation,color).</source>
        <translation>--remove の指定にかかわらず残すもの (画像の見た目を変え、誰も特定しないため): orientation と color のコンマ区切りリスト、または none (既定は orientation,color)。</translation>
    </message>
    <message>
        <source>File dates of the cleaned files: keep, random or &quot;YYYY-MM-DD HH:MM:SS&quot; (default keep).</source>
        <translation>クリーンアップしたファイルの日付: keep、random、&quot;YYYY-MM-DD HH:MM:SS&quot; のいずれか (既定は keep)。</translation>
    </message>
    <message>
        <source>Move the originals of images that could not be cleaned: trash, or a folder.</source>
        <translation>クリーンアップできなかった画像の元のファイルを移動します: trash またはフォルダー。</translation>
    </message>
    <message>
        <source>Replace cleaned files that already exist (by default they are kept).</source>
        <translation>すでに存在するクリーンアップ済みファイルを置き換えます (既定では保持します)。</translation>
    </message>
    <message>
        <source>Do not ignore minor errors and warnings.</source>
        <translation>軽微なエラーと警告を無視しません。</translation>
    </message>
    <message>
        <source>Start from the options stored by the Quillmark window; options given here still apply.</source>
        <translation>Quillmark ウィンドウで保存されたオプションから始めます。ここで指定したオプションも適用されます。</translation>
    </message>
    <message>
        <source>ExifTool processes at once (default: the number of cores).</source>
        <translation>同時に実行する ExifTool のプロセス数 (既定: コア数)。</translation>
    </message>
    <message>
        <source>Write a JSON report of every image&apos;s outcome to FILE (&apos;-&apos; for standard output; the summary then goes to standard error).</source>
        <translation>各画像の結果の JSON レポートを FILE に書き込みます (&apos;-&apos; で標準出力。その場合、概要は標準エラー出力に出力されます)。</translation>
    </message>
    <message>
        <source>Do not check the cleaned files for identifying metadata that is left (faster).</source>
        <translation>クリーンアップしたファイルに個人を特定できるメタデータが残っていないか確認しません (高速)。</translation>
    </message>
    <message>
        <source>Who writes the cleaned files: auto (JPEG, PNG, WebP and GIF by Quillmark&apos;s own writer where it can, the rest by ExifTool) or exiftool (every file by ExifTool) (default auto).</source>
        <translation>クリーンアップしたファイルを書き込むもの: auto (JPEG、PNG、WebP、GIF は可能な限り Quillmark 自身の書き込み機能で、それ以外は ExifTool で) または exiftool (すべてのファイルを ExifTool で) (既定は auto)。</translation>
    </message>
    <message>
        <source>Also clean the paths listed in FILE, one a line (&quot;-&quot; reads standard input).</source>
        <translation>FILE に 1 行に 1 つずつ記載されたパスもクリーンアップします (&quot;-&quot; で標準入力から読み込み)。</translation>
    </message>
    <message>
        <source>Paths in the --files-from list end with NUL, not a line break.</source>
        <translation>--files-from リストのパスは改行ではなく NUL で終わります。</translation>
    </message>
    <message>
        <source>quillmark-cli: --settings: the settings file %1 is larger than 1 MB and was not read</source>
        <translation>quillmark-cli: --settings: 設定ファイル %1 は 1 MB を超えているため読み込みませんでした</translation>
    </message>
    <message>
        <source>--output takes overwrite, folder=DIR, prefix=TEXT or suffix=TEXT</source>
        <translation>--output には overwrite、folder=DIR、prefix=TEXT、suffix=TEXT のいずれかを指定します</translation>
    </message>
    <message>
        <source>--remove takes a comma list of all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</source>
        <translation>--remove には all、exif、gps、thumbnail、xmp、iptc、icc、photoshop、ifd0、geotiff、app14、other のコンマ区切りリストを指定します</translation>
    </message>
    <message>
        <source>--keep takes a comma list of orientation and color, or none</source>
        <translation>--keep には orientation と color のコンマ区切りリスト、または none を指定します</translation>
    </message>
    <message>
        <source>--dates takes keep, random or a date &quot;YYYY-MM-DD HH:MM:SS&quot; from 1980 to 2100</source>
        <translation>--dates には keep、random、または 1980 年から 2100 年までの日付 &quot;YYYY-MM-DD HH:MM:SS&quot; を指定します</translation>
    </message>
    <message>
        <source>--move-failed takes trash or a folder</source>
        <translation>--move-failed には trash またはフォルダーを指定します</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>出力先フォルダーが指定されていません</translation>
    </message>
    <message>
        <source>the prefix or suffix is empty</source>
        <translation>接頭辞または接尾辞が空です</translation>
    </message>
    <message>
        <source>the prefix or suffix must be part of a file name: it cannot hold &apos;/&apos;</source>
        <translation>接頭辞または接尾辞はファイル名の一部でなければなりません: &apos;/&apos; を含めることはできません</translation>
    </message>
    <message>
        <source>nothing to remove: the colour profile is kept (see --keep)</source>
        <translation>削除するものがありません: カラープロファイルは保持されます (--keep を参照)</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>削除するものがありません</translation>
    </message>
    <message>
        <source>quillmark-cli: the colour profile is kept; --keep orientation or --keep none removes it</source>
        <translation>quillmark-cli: カラープロファイルは保持されます。--keep orientation または --keep none で削除されます</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64</source>
        <translation>--jobs には 1 から 64 までの数を指定します</translation>
    </message>
    <message>
        <source>--engine takes auto or exiftool</source>
        <translation>--engine には auto または exiftool を指定します</translation>
    </message>
    <message>
        <source>--report takes a file name or &apos;-&apos;</source>
        <translation>--report にはファイル名または &apos;-&apos; を指定します</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null には --files-from が必要です</translation>
    </message>
    <message>
        <source>cannot read the list %1</source>
        <translation>リスト %1 を読み込めません</translation>
    </message>
    <message>
        <source>no image files or folders given</source>
        <translation>画像ファイルまたはフォルダーが指定されていません</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: no such file or folder</source>
        <translation>quillmark-cli: %1: そのようなファイルまたはフォルダーはありません</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: not a supported image; skipped</source>
        <translation>quillmark-cli: %1: サポートされている画像ではありません。スキップしました</translation>
    </message>
    <message>
        <source>No images to clean in %1.</source>
        <translation>%1 にクリーンアップする画像がありません。</translation>
    </message>
    <message>
        <source>PATH...</source>
        <translation>パス...</translation>
    </message>
    <message>
        <source>Print only the summary (nothing with --report -); errors that end the run are still printed.</source>
        <translation>概要のみを出力します (--report - の場合は何も出力しません)。実行を終了させるエラーは引き続き出力されます。</translation>
    </message>
    <message>
        <source>Say what would be cleaned, where each output would go and what each image carries now; write nothing.</source>
        <translation>クリーンアップされる画像、それぞれの出力先、各画像に現在含まれているものを表示します。何も書き込みません。</translation>
    </message>
    <message>
        <source>List the identifying metadata each file carries, as the metadata viewer does; change nothing.</source>
        <translation>メタデータビューアーと同様に、各ファイルに含まれる個人を特定できるメタデータを一覧表示します。何も変更しません。</translation>
    </message>
    <message>
        <source>--dry-run and --show cannot be used together</source>
        <translation>--dry-run と --show は同時に指定できません</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: cannot be read: %2</source>
        <translation>quillmark-cli: %1: 読み込めません: %2</translation>
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
        <translation>読み込めません: %1</translation>
    </message>
    <message>
        <source>  It carries nothing identifying.</source>
        <translation>  個人を特定できるものは含まれていません。</translation>
    </message>
    <message>
        <source>  It carries: %1</source>
        <translation>  含まれているもの: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 image would be cleaned; nothing was written.</source>
        <translation>1 枚の画像がクリーンアップされる予定です。何も書き込んでいません。</translation>
    </message>
    <message numerus="yes">
        <source>%1 images would be cleaned; nothing was written.</source>
        <translation>
            <numerusform>%1 枚の画像がクリーンアップされる予定です。何も書き込んでいません。</numerusform>
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
        <translation>ExifTool を使って画像ファイルからメタデータ (Exif、GPS、サムネイル、XMP、IPTC、ICC など) を削除し、
ffmpeg で再多重化して MOV と MP4 の動画からも削除します。
フォルダーはすべてのサブフォルダーとともに処理されます。

出力はすべて後で確認され、残っている個人を特定できるメタデータが報告されます。

終了ステータス: 0 完了し問題なし、1 問題が報告された、個人を特定できるメタデータが残っている、画像が
変更されなかったかクリーンアップできなかった、コマンドラインで指定したファイルがスキップされた、またはフォルダー内で
見つかったファイルが除外された (クリーンアップされない動画形式、ExifTool が書き込めない形式、長すぎるパス)。
2 使い方の誤りまたはクリーンアップするものがない、3 内部エラー。
SIGINT、SIGTERM、SIGHUP で中止: 130、143、129 (2 回目の SIGINT ですぐに中止)。</translation>
    </message>
</context>
</TS>

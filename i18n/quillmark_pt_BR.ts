<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BrowseForFolder</name>
    <message>
        <source>Select A Directory</source>
        <translation>Selecionar uma pasta</translation>
    </message>
</context>
<context>
    <name>CleanJob</name>
    <message>
        <source>Not cleaned: the run was stopped</source>
        <translation>Não limpa: a execução foi interrompida</translation>
    </message>
    <message>
        <source>%1: cannot create a work folder in %2: %3</source>
        <translation>%1: não é possível criar uma pasta de trabalho em %2: %3</translation>
    </message>
    <message>
        <source>%1: cannot create the log in %2</source>
        <translation>%1: não é possível criar o registro em %2</translation>
    </message>
    <message>
        <source>Internal program error!</source>
        <translation>Erro interno do programa!</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparando...</translation>
    </message>
    <message>
        <source>A prefix or suffix must be part of a file name: it cannot be empty or hold &apos;/&apos;.</source>
        <translation>Um prefixo ou sufixo deve fazer parte de um nome de arquivo: não pode estar vazio nem conter “/”.</translation>
    </message>
    <message>
        <source>Cleaning images...</source>
        <translation>Limpando as imagens...</translation>
    </message>
    <message>
        <source>ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside Quillmark.</source>
        <translation>O ExifTool não foi encontrado. Instale-o (pacote Debian libimage-exiftool-perl) ou coloque o programa exiftool ao lado do Quillmark.</translation>
    </message>
    <message>
        <source>The argument file could not be written: %1</source>
        <translation>Não foi possível gravar o arquivo de argumentos: %1</translation>
    </message>
    <message>
        <source>Obfuscating file dates...</source>
        <translation>Ofuscando as datas dos arquivos...</translation>
    </message>
    <message>
        <source>Checking files...</source>
        <translation>Verificando os arquivos...</translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>1 resultado existente foi mantido.</translation>
    </message>
    <message numerus="yes">
        <source>%n existing outputs were kept.</source>
        <translation>
            <numerusform>%n resultado existente foi mantido.</numerusform>
            <numerusform>%n resultados existentes foram mantidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier output was left out.</source>
        <translation>1 resultado anterior foi deixado de fora.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier outputs were left out.</source>
        <translation>
            <numerusform>%n resultado anterior foi deixado de fora.</numerusform>
            <numerusform>%n resultados anteriores foram deixados de fora.</numerusform>
        </translation>
    </message>
    <message>
        <source>The run was stopped; the images cleaned so far are kept.</source>
        <translation>A execução foi interrompida; as imagens limpas até agora são mantidas.</translation>
    </message>
    <message>
        <source>Problems were reported. See log for details.</source>
        <translation>Foram relatados problemas. Consulte o registro para mais detalhes.</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>Concluído!</translation>
    </message>
    <message>
        <source>Error: ExifTool ended before it finished this image</source>
        <translation>Erro: o ExifTool terminou antes de concluir esta imagem</translation>
    </message>
    <message>
        <source>Error: The cleaned file would be damaged (%1); the original is kept</source>
        <translation>Erro: o arquivo limpo ficaria danificado (%1); o original é mantido</translation>
    </message>
    <message>
        <source>Error: The original is kept: %1</source>
        <translation>Erro: o original é mantido: %1</translation>
    </message>
    <message>
        <source>Not cleaned: in use by another run or program (%1)</source>
        <translation>Não limpa: em uso por outra execução ou outro programa (%1)</translation>
    </message>
    <message>
        <source>Left out: an earlier output of another image of this run</source>
        <translation>Deixada de fora: um resultado anterior de outra imagem desta execução</translation>
    </message>
    <message>
        <source>Left out (an earlier output) - %1</source>
        <translation>Deixada de fora (um resultado anterior) - %1</translation>
    </message>
    <message>
        <source>Error: The path is longer than the system allows (%1 bytes)</source>
        <translation>Erro: o caminho é mais longo do que o sistema permite (%1 bytes)</translation>
    </message>
    <message>
        <source>Error: The image cannot be read (%1)</source>
        <translation>Erro: não é possível ler a imagem (%1)</translation>
    </message>
    <message>
        <source>1 other name of this file (a hard link) still holds its metadata</source>
        <translation>1 outro nome deste arquivo (um link físico) ainda contém os seus metadados</translation>
    </message>
    <message numerus="yes">
        <source>%n other names of this file (hard links) still hold its metadata</source>
        <translation>
            <numerusform>%n outro nome deste arquivo (um link físico) ainda contém os seus metadados</numerusform>
            <numerusform>%n outros nomes deste arquivo (links físicos) ainda contêm os seus metadados</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped: the output would replace the image itself</source>
        <translation>Ignorada: o resultado substituiria a própria imagem</translation>
    </message>
    <message>
        <source>Skipped: the output would replace another image of this run</source>
        <translation>Ignorada: o resultado substituiria outra imagem desta execução</translation>
    </message>
    <message>
        <source>Saved as %1: another image of this run has the same name</source>
        <translation>Salva como %1: outra imagem desta execução tem o mesmo nome</translation>
    </message>
    <message>
        <source>%1 image processed (%2 KB saved)</source>
        <translation>%1 imagem processada (%2 KB economizados)</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed (%2 KB saved)</source>
        <translation>
            <numerusform>%1 imagem processada (%2 KB economizados)</numerusform>
            <numerusform>%1 imagens processadas (%2 KB economizados)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 image processed</source>
        <translation>%1 imagem processada</translation>
    </message>
    <message numerus="yes">
        <source>%1 images processed</source>
        <translation>
            <numerusform>%1 imagem processada</numerusform>
            <numerusform>%1 imagens processadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 seconds (%2 sec avg)</source>
        <translation>
            <numerusform>em %1 segundo (média de %2 s)</numerusform>
            <numerusform>em %1 segundos (média de %2 s)</numerusform>
        </translation>
    </message>
    <message>
        <source>kept existing output</source>
        <translation>resultado existente mantido</translation>
    </message>
    <message>
        <source>no folder for problem files was given</source>
        <translation>nenhuma pasta para arquivos com problemas foi informada</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>The original was moved to the trash.</source>
        <translation>O original foi movido para a lixeira.</translation>
    </message>
    <message>
        <source>The original was moved to %1.</source>
        <translation>O original foi movido para %1.</translation>
    </message>
    <message>
        <source>the trash refused it</source>
        <translation>a lixeira o recusou</translation>
    </message>
    <message>
        <source>it cannot be moved there</source>
        <translation>não é possível movê-lo para lá</translation>
    </message>
    <message>
        <source>The original could not be moved: %1 - %2</source>
        <translation>Não foi possível mover o original: %1 - %2</translation>
    </message>
    <message>
        <source>The original could not be moved: %1.</source>
        <translation>Não foi possível mover o original: %1.</translation>
    </message>
    <message>
        <source>1 problem file was moved to the trash.</source>
        <translation>1 arquivo com problemas foi movido para a lixeira.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to the trash.</source>
        <translation>
            <numerusform>%n arquivo com problemas foi movido para a lixeira.</numerusform>
            <numerusform>%n arquivos com problemas foram movidos para a lixeira.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file was moved to %1.</source>
        <translation>1 arquivo com problemas foi movido para %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files were moved to %1.</source>
        <translation>
            <numerusform>%n arquivo com problemas foi movido para %1.</numerusform>
            <numerusform>%n arquivos com problemas foram movidos para %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to the trash; the log says why.</source>
        <translation>1 arquivo com problemas não pôde ser movido para a lixeira; o registro diz por quê.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to the trash; the log says why.</source>
        <translation>
            <numerusform>%n arquivo com problemas não pôde ser movido para a lixeira; o registro diz por quê.</numerusform>
            <numerusform>%n arquivos com problemas não puderam ser movidos para a lixeira; o registro diz por quê.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 problem file could not be moved to %1; the log says why.</source>
        <translation>1 arquivo com problemas não pôde ser movido para %1; o registro diz por quê.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem files could not be moved to %1; the log says why.</source>
        <translation>
            <numerusform>%n arquivo com problemas não pôde ser movido para %1; o registro diz por quê.</numerusform>
            <numerusform>%n arquivos com problemas não puderam ser movidos para %1; o registro diz por quê.</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <translation>Não é possível gravar em %1: %2</translation>
    </message>
    <message>
        <source>the image changed while it was cleaned</source>
        <translation>a imagem mudou enquanto era limpa</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s owner and group (%1)</source>
        <translation>não é possível manter o proprietário e o grupo do arquivo (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s access control list (%1)</source>
        <translation>não é possível manter a lista de controle de acesso do arquivo (%1)</translation>
    </message>
    <message>
        <source>cannot keep the file&apos;s permissions</source>
        <translation>não é possível manter as permissões do arquivo</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot hold ExifTool&apos;s argument file; set TMPDIR or TEMP to another folder.</source>
        <translation>A pasta temporária %1 não comporta o arquivo de argumentos do ExifTool; defina TMPDIR ou TEMP com outra pasta.</translation>
    </message>
    <message>
        <source>in %1 second (%2 sec avg)</source>
        <translation>em %1 segundo (média de %2 s)</translation>
    </message>
    <message>
        <source>Left out: videos need ffmpeg, which is not installed</source>
        <translation>Deixada de fora: vídeos precisam do ffmpeg, que não está instalado</translation>
    </message>
    <message>
        <source>Left out (ffmpeg is not installed) - %1</source>
        <translation>Deixada de fora (o ffmpeg não está instalado) - %1</translation>
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
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Ajuda: %1</translation>
    </message>
    <message>
        <source>There was an error reading the file...</source>
        <translation>Ocorreu um erro ao ler o arquivo...</translation>
    </message>
    <message>
        <source>1 image will be cleaned</source>
        <translation>1 imagem será limpa</translation>
    </message>
    <message numerus="yes">
        <source>%1 images will be cleaned</source>
        <translation>
            <numerusform>%1 imagem será limpa</numerusform>
            <numerusform>%1 imagens serão limpas</numerusform>
        </translation>
    </message>
    <message>
        <source>in place: the originals are overwritten.</source>
        <translation>no local: os originais são sobrescritos.</translation>
    </message>
    <message>
        <source>into the folder %1.</source>
        <translation>na pasta %1.</translation>
    </message>
    <message>
        <source>as copies whose names begin with &quot;%1&quot;.</source>
        <translation>como cópias cujos nomes começam com “%1”.</translation>
    </message>
    <message>
        <source>as copies whose names end with &quot;%1&quot;.</source>
        <translation>como cópias cujos nomes terminam com “%1”.</translation>
    </message>
    <message>
        <source>Removed: %1.</source>
        <translation>A remover: %1.</translation>
    </message>
    <message>
        <source>File dates are set to %1.</source>
        <translation>As datas dos arquivos são definidas como %1.</translation>
    </message>
    <message>
        <source>File dates are set to random dates.</source>
        <translation>As datas dos arquivos são definidas como datas aleatórias.</translation>
    </message>
    <message>
        <source>Originals that fail go to the trash.</source>
        <translation>Os originais que falharem vão para a lixeira.</translation>
    </message>
    <message>
        <source>Originals that fail are moved to %1.</source>
        <translation>Os originais que falharem são movidos para %1.</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Nenhum programa está configurado aqui para abrir pastas. As imagens limpas estão nesta pasta:</translation>
    </message>
    <message>
        <source>No web browser is set up here. The home page is:</source>
        <translation>Nenhum navegador web está configurado aqui. A página inicial é:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 imagem</numerusform>
            <numerusform>%1 imagens</numerusform>
        </translation>
    </message>
    <message>
        <source>No images to clean were found in %1.</source>
        <translation>Nenhuma imagem a limpar foi encontrada em %1.</translation>
    </message>
    <message numerus="yes">
        <source>No images to clean were found in %n folders: %1</source>
        <translation>
            <numerusform>Nenhuma imagem a limpar foi encontrada em %n pasta: %1</numerusform>
            <numerusform>Nenhuma imagem a limpar foi encontrada em %n pastas: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Adicionando arquivos...</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Adicionar imagens</translation>
    </message>
    <message>
        <source>These files could not be added: their names are not valid UTF-8, which the file dialog cannot pass on. Add them with &quot;Add from Folder&quot; or drop them on the list:</source>
        <translation>Estes arquivos não puderam ser adicionados: os nomes deles não são UTF-8 válido, que a janela de arquivos não consegue repassar. Adicione-os com “Adicionar pasta” ou arraste-os para a lista:</translation>
    </message>
    <message>
        <source>Select a folder with images to add:</source>
        <translation>Selecione uma pasta com as imagens a adicionar:</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Nenhum arquivo a processar...</translation>
    </message>
    <message>
        <source>quillmark: -auto: cannot start: %1</source>
        <translation>quillmark: -auto: não é possível iniciar: %1</translation>
    </message>
    <message>
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message>
        <source>Exif is the standard metadata tag used by digital cameras to store information about the image, location, camera settings etc. It can be found in JPG, TIFF, PNG, MIFF and HDP images, as well as many TIFF-based RAW images.</source>
        <translation>Exif é o padrão de metadados usado pelas câmeras digitais para armazenar informações sobre a imagem, o local, as configurações da câmera etc. Ele é encontrado em imagens JPG, TIFF, PNG, MIFF e HDP, além de muitas imagens RAW baseadas em TIFF.</translation>
    </message>
    <message>
        <source>Exif GPS</source>
        <translation>Exif GPS</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. The GPS tags are part of the EXIF standard, and are stored in a separate section within the EXIF information.</source>
        <translation>Os dados de geolocalização armazenam o local onde a foto foi tirada. As tags GPS fazem parte do padrão Exif e ficam em uma seção separada dentro das informações Exif.</translation>
    </message>
    <message>
        <source>Exif thumbnail image</source>
        <translation>Miniatura Exif</translation>
    </message>
    <message>
        <source>A thumbnail is a small representation of the image that can be used to quickly display a preview of the image.</source>
        <translation>Uma miniatura é uma pequena representação da imagem que permite exibir rapidamente uma prévia dela.</translation>
    </message>
    <message>
        <source>ICC Color Profile</source>
        <translation>Perfil de cores ICC</translation>
    </message>
    <message>
        <source>ICC profile information is used in many different file types including JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT and some RAW formats. Removing this tag may change the color appearance of the image.</source>
        <translation>As informações de perfil ICC são usadas em muitos tipos de arquivo, entre eles JPEG, TIFF, PDF, Photoshop, PNG, MIFF, PICT e alguns formatos RAW. Remover esta tag pode alterar a aparência das cores da imagem.</translation>
    </message>
    <message>
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message>
        <source>XMP is a metadata format which is being pushed by Adobe. Information in this format can be embedded in many different image file types including JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU and MIFF, as well as videos and audio formats.</source>
        <translation>XMP é um formato de metadados promovido pela Adobe. Informações nesse formato podem estar incorporadas em muitos tipos de arquivo de imagem, entre eles JPG, JP2, TIFF, GIF, EPS, PDF, PSD, DNG, PNG, DJVU e MIFF, além de formatos de vídeo e áudio.</translation>
    </message>
    <message>
        <source>IPTC</source>
        <translation>IPTC</translation>
    </message>
    <message>
        <source>This is an older meta information format that is slowly being phased out in favor of XMP. IPTC information may be embedded in JPG, TIFF, PNG, MIFF, PS, PDF, PSD and DNG images.</source>
        <translation>É um formato de metadados antigo que aos poucos está sendo substituído pelo XMP. Informações IPTC podem estar incorporadas em imagens JPG, TIFF, PNG, MIFF, PS, PDF, PSD e DNG.</translation>
    </message>
    <message>
        <source>All other supported</source>
        <translation>Todos os outros compatíveis</translation>
    </message>
    <message>
        <source>This includes the Jpeg Comment, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky and MakerNotes.</source>
        <translation>Inclui o comentário JPEG, AFCP, CanonVRD, FotoStation, PhotoMechanic, MIE, Ducky e MakerNotes.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefixo</translation>
    </message>
    <message>
        <source>The prefix text is added IN FRONT of the current filename, in order to create a new image file.</source>
        <translation>O prefixo é adicionado ANTES do nome de arquivo atual, para criar um novo arquivo de imagem.</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Sufixo</translation>
    </message>
    <message>
        <source>The suffix text is added AFTER of the current filename, in order to create a new image file.</source>
        <translation>O sufixo é adicionado DEPOIS do nome de arquivo atual, para criar um novo arquivo de imagem.</translation>
    </message>
    <message>
        <source>Photoshop Tag &amp; Thumbnail</source>
        <translation>Tag e miniatura do Photoshop</translation>
    </message>
    <message>
        <source>Photoshop tags are found in PSD files, as well as inside embedded Photoshop information in many other file types (JPEG, TIFF, PDF, PNG to name a few). Removing this tag will also remove the IPTC tag.</source>
        <translation>As tags do Photoshop são encontradas em arquivos PSD e também nas informações do Photoshop incorporadas em muitos outros tipos de arquivo (JPEG, TIFF, PDF e PNG, entre outros). Remover esta tag também remove a tag IPTC.</translation>
    </message>
    <message>
        <source>Remove all supported tags</source>
        <translation>Remover todas as tags compatíveis</translation>
    </message>
    <message>
        <source>Use this option to make sure that you remove as much metadata information as possible! There is one exception: The Adobe APP14 is not removed because doing so may change the image apperance.</source>
        <translation>Use esta opção para remover o máximo possível de metadados! Há uma exceção: o Adobe APP14 não é removido, porque isso pode alterar a aparência da imagem.</translation>
    </message>
    <message>
        <source>Remove TIFF IFD0 data</source>
        <translation>Remover dados TIFF IFD0</translation>
    </message>
    <message>
        <source>TIFF images can contain information in the first image file directory (IFD0), separate from other tags. This applies to TIFF files as well as image types based on the TIFF file format: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 &amp; SRW.</source>
        <translation>Imagens TIFF podem conter informações no primeiro diretório de arquivo de imagem (IFD0), separadas das outras tags. Isso vale para arquivos TIFF e para tipos de imagem baseados no formato TIFF: ARQ, ARW, CR2, DNG, ERF, EXIF, FFF, HDP, WDP, JXR, IIQ, MEF, MOS, NEF, NRW, ORF, ORI, PEF, RW2, RWL, SR2 e SRW.</translation>
    </message>
    <message>
        <source>Obfuscate file dates</source>
        <translation>Ofuscar as datas dos arquivos</translation>
    </message>
    <message>
        <source>The date of the image file can potentially reveal information about when the image was taken and/or modified. This option will set the file&apos;s Created, Modified and Accessed dates to a new date (defaults: 1980-2010 for random dates and 1980-01-01 00:00:00 for the specific date). Please note that dates may change when the file is later altered, move, copied etc.</source>
        <translation>A data do arquivo de imagem pode revelar quando a imagem foi tirada e/ou modificada. Esta opção define as datas de criação, modificação e último acesso do arquivo para uma nova data (padrões: 1980-2010 para datas aleatórias e 1980-01-01 00:00:00 para a data específica). Observe que as datas podem mudar se o arquivo for alterado, movido, copiado etc. mais tarde.</translation>
    </message>
    <message>
        <source>Move erroneous files</source>
        <translation>Mover arquivos com erros</translation>
    </message>
    <message>
        <source>If there was an error and the file could not be processed (as indicated by the logs), this allows you to move the original file to a folder or delete it. Note that if you choose to move the file to a folder, and another file with the same name already exists, the file will not be moved. Note: This does not apply to warnings, only errors. Files with warnings will still be processed, but may be visible in the logs.</source>
        <translation>Se houve um erro e o arquivo não pôde ser processado (como indicado no registro), esta opção permite mover o arquivo original para uma pasta ou excluí-lo. Se você escolher mover o arquivo para uma pasta e já existir lá outro arquivo com o mesmo nome, o arquivo não será movido. Observação: isso vale apenas para erros, não para avisos. Arquivos com avisos ainda são processados, mas os avisos podem aparecer no registro.</translation>
    </message>
    <message>
        <source>GeoTIFF</source>
        <translation>GeoTIFF</translation>
    </message>
    <message>
        <source>GeoLocation data is used to store information about the location where the photo was taken. GeoTIFF is used by TIFF files or image formats based on the TIFF file format.</source>
        <translation>Os dados de geolocalização armazenam o local onde a foto foi tirada. O GeoTIFF é usado por arquivos TIFF e por formatos de imagem baseados no formato TIFF.</translation>
    </message>
    <message>
        <source>Adobe APP14</source>
        <translation>Adobe APP14</translation>
    </message>
    <message>
        <source>This tag is present in JPEG files and contains encoding information. If removed, the image apperance may be altered. Because of this it is not recommended to remove. It contains no personal information, but does indicate that an Adobe product has been used.</source>
        <translation>Esta tag está presente em arquivos JPEG e contém informações de codificação. Se for removida, a aparência da imagem pode mudar; por isso não é recomendado removê-la. Ela não contém informações pessoais, mas indica que um produto da Adobe foi usado.</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Manter orientação e perfil de cores</translation>
    </message>
    <message>
        <source>The orientation tag tells viewers which way up to show the picture, and the colour profile tells them which colours it holds. Without the orientation, portrait photos are shown sideways; without the colour profile, colours may look wrong (for example the wide-gamut photos of recent phones). Neither identifies a person, so both are kept unless you clear this option.</source>
        <translation>A tag de orientação indica aos visualizadores em que posição mostrar a imagem, e o perfil de cores indica quais cores ela contém. Sem a orientação, fotos em retrato aparecem de lado; sem o perfil de cores, as cores podem parecer erradas (por exemplo, nas fotos de gama ampla dos celulares recentes). Nenhum dos dois identifica uma pessoa, por isso ambos são mantidos, a menos que você desmarque esta opção.</translation>
    </message>
    <message>
        <source>Click here to add images, or drag and drop them onto the file list to the right.</source>
        <translation>Clique aqui para adicionar imagens ou arraste-as para a lista de arquivos à direita.</translation>
    </message>
    <message>
        <source>This program is primarily designed to work on JPEG images, but also works with other file formats, including: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD &amp; X3F.</source>
        <translation>Este programa foi feito principalmente para imagens JPEG, mas também funciona com outros formatos de arquivo, entre eles: ARQ, ARW, CR2, CR3, CRW, CIFF, CS1, DCP, DNG, EPS, EPSF, FFF, FLIF, IND, INSP, ERF, HDP, HEIC, HEIF, WDP, JP2, JPX, JPEG, JXL, MEF, MIE, MOS, MPO, MRW, NEF, NRW, ORF, ORI, PEF, PS, PSB, RAF, RAW, RW2, RWL, SR2, SRW, THM, TIFF, VRD e X3F.</translation>
    </message>
    <message>
        <source>Add Images from Folder</source>
        <translation>Adicionar imagens de uma pasta</translation>
    </message>
    <message>
        <source>Same as above, but you choose a folder and the program will add all images found in this folder and its sub-folders.</source>
        <translation>Igual ao anterior, mas você escolhe uma pasta e o programa adiciona todas as imagens encontradas nela e em suas subpastas.</translation>
    </message>
    <message>
        <source>Because of a bug in Windows 7, your system is using a font set that is too large for your current DPI settings. This may cause Quillmark (and other applications) to look distorted. Although only a visual problem, I recommend you to fix this problem, and will now open a page with help!</source>
        <translation>Devido a um bug do Windows 7, o seu sistema está usando um conjunto de fontes grande demais para a configuração de DPI atual. Isso pode fazer o Quillmark (e outros aplicativos) parecer distorcido. Embora seja só um problema visual, recomendo corrigi-lo; agora será aberta uma página de ajuda!</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Avançar &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Choose image files</source>
        <translation>Escolher arquivos de imagem</translation>
    </message>
    <message>
        <source>Add the images you want to clean. When you are ready, click &quot;Next&quot; to continue to the output page.</source>
        <translation>Adicione as imagens que você quer limpar. Quando estiver pronto, clique em “Avançar” para ir para a página de saída.</translation>
    </message>
    <message>
        <source>Options (1/3)</source>
        <translation>Opções (1/3)</translation>
    </message>
    <message>
        <source>Decide where and how to save the cleaned files. Click &quot;Next&quot; to continue to the second options page.</source>
        <translation>Decida onde e como salvar os arquivos limpos. Clique em “Avançar” para ir para a segunda página de opções.</translation>
    </message>
    <message>
        <source>Options (2/3)</source>
        <translation>Opções (2/3)</translation>
    </message>
    <message>
        <source>Decide which metadata tags you want to remove.</source>
        <translation>Escolha quais tags de metadados você quer remover.</translation>
    </message>
    <message>
        <source>Start &gt;</source>
        <translation>Iniciar &gt;</translation>
    </message>
    <message>
        <source>Options (3/3)</source>
        <translation>Opções (3/3)</translation>
    </message>
    <message>
        <source>Set additional options and processing rules.</source>
        <translation>Defina opções adicionais e regras de processamento.</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Pronto para iniciar</translation>
    </message>
    <message>
        <source>Check what the run will do; &quot;&lt; Back&quot; changes the options.</source>
        <translation>Verifique o que a execução fará; “&lt; Voltar” altera as opções.</translation>
    </message>
    <message>
        <source>Cleaning images</source>
        <translation>Limpando imagens</translation>
    </message>
    <message>
        <source>Please wait while the images are being processed...</source>
        <translation>Aguarde enquanto as imagens são processadas...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>The wizard has finished cleaning the images! Press the exit button to quit, or the back button to process more files.</source>
        <translation>O assistente terminou de limpar as imagens! Clique em “Sair” para fechar o programa ou em “&lt; Voltar” para processar mais arquivos.</translation>
    </message>
    <message>
        <source>Stop cleaning? The images cleaned so far are kept.</source>
        <translation>Parar a limpeza? As imagens limpas até agora são mantidas.</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Voltar</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Um ou mais arquivos de saída já existem! Deseja sobrescrever os arquivos existentes?</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB, far more than stored settings ever take, so it was not read. Quillmark starts with the default options and leaves the file as it is; the options of this session are not saved.</source>
        <translation>O arquivo de configurações %1 tem mais de 1 MB, muito mais do que configurações salvas chegam a ocupar, por isso não foi lido. O Quillmark inicia com as opções padrão e deixa o arquivo como está; as opções desta sessão não são salvas.</translation>
    </message>
</context>
<context>
    <name>ConsoleRunner</name>
    <message>
        <source>Could not start a program: no program was named.</source>
        <translation>Não foi possível iniciar um programa: nenhum programa foi indicado.</translation>
    </message>
    <message>
        <source>Could not start %1: the working folder %2 does not exist.</source>
        <translation>Não foi possível iniciar %1: a pasta de trabalho %2 não existe.</translation>
    </message>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Não foi possível iniciar %1: %2</translation>
    </message>
    <message>
        <source>%1 was stopped because the program is closing.</source>
        <translation>%1 foi interrompido porque o programa está sendo fechado.</translation>
    </message>
    <message>
        <source>%1 crashed or was killed.</source>
        <translation>%1 travou ou foi encerrado à força.</translation>
    </message>
</context>
<context>
    <name>ContainerScan</name>
    <message>
        <source>the image data has no end marker</source>
        <translation>os dados da imagem não têm marcador de fim</translation>
    </message>
    <message>
        <source>the file ends before the end-of-image marker</source>
        <translation>o arquivo termina antes do marcador de fim da imagem</translation>
    </message>
    <message>
        <source>a segment does not start with a marker</source>
        <translation>um segmento não começa com um marcador</translation>
    </message>
    <message>
        <source>the file ends inside a segment</source>
        <translation>o arquivo termina no meio de um segmento</translation>
    </message>
    <message>
        <source>a segment runs past the end of the file</source>
        <translation>um segmento ultrapassa o fim do arquivo</translation>
    </message>
    <message>
        <source>the file ends before the IEND chunk</source>
        <translation>o arquivo termina antes do chunk IEND</translation>
    </message>
    <message>
        <source>the %1 chunk runs past the end of the file</source>
        <translation>o chunk %1 ultrapassa o fim do arquivo</translation>
    </message>
    <message>
        <source>the file is shorter than its RIFF header says</source>
        <translation>o arquivo é mais curto do que indica o seu cabeçalho RIFF</translation>
    </message>
    <message>
        <source>a chunk header runs past the end of the file</source>
        <translation>um cabeçalho de chunk ultrapassa o fim do arquivo</translation>
    </message>
    <message>
        <source>the file ends inside the header</source>
        <translation>o arquivo termina no meio do cabeçalho</translation>
    </message>
    <message>
        <source>the file ends before the GIF trailer</source>
        <translation>o arquivo termina antes do terminador do GIF</translation>
    </message>
    <message>
        <source>the file ends inside an image descriptor</source>
        <translation>o arquivo termina no meio de um descritor de imagem</translation>
    </message>
    <message>
        <source>the file ends inside an extension</source>
        <translation>o arquivo termina no meio de uma extensão</translation>
    </message>
    <message>
        <source>an unknown block type</source>
        <translation>um tipo de bloco desconhecido</translation>
    </message>
    <message>
        <source>a block runs past the end of the file</source>
        <translation>um bloco ultrapassa o fim do arquivo</translation>
    </message>
    <message>
        <source>the output cannot be read</source>
        <translation>não é possível ler o resultado</translation>
    </message>
</context>
<context>
    <name>DatePage</name>
    <message>
        <source>Additional options</source>
        <translation>Opções adicionais</translation>
    </message>
    <message>
        <source>Obfuscate File Dates</source>
        <translation>Ofuscar as datas dos arquivos</translation>
    </message>
    <message>
        <source>Set to new date:</source>
        <translation>Definir a nova data:</translation>
    </message>
    <message>
        <source>Generate a random date</source>
        <translation>Gerar uma data aleatória</translation>
    </message>
    <message>
        <source>New file date</source>
        <translation>Nova data do arquivo</translation>
    </message>
    <message>
        <source>(change)</source>
        <translation>(alterar)</translation>
    </message>
    <message>
        <source>Ignore minor errors and warnings</source>
        <translation>Ignorar erros leves e avisos</translation>
    </message>
    <message>
        <source>If processing fails, move original file to:</source>
        <translation>Se o processamento falhar, mover o arquivo original para:</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Lixeira</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Pasta:</translation>
    </message>
    <message>
        <source>Folder for files that fail</source>
        <translation>Pasta para os arquivos que falharem</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Selecione a pasta de destino:</translation>
    </message>
</context>
<context>
    <name>ExifToolPool</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Não foi possível iniciar %1: %2</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly.</source>
        <translation>%1 parou inesperadamente.</translation>
    </message>
</context>
<context>
    <name>FileDate</name>
    <message>
        <source>Set date</source>
        <translation>Definir a data</translation>
    </message>
    <message>
        <source>Set time</source>
        <translation>Definir a hora</translation>
    </message>
    <message>
        <source>Please enter a year. Default is 1980 (earlier is not possible to use). Format must be: YYYY</source>
        <translation>Digite um ano. O padrão é 1980 (não é possível usar um ano anterior). O formato deve ser: AAAA</translation>
    </message>
    <message>
        <source>Not a valid year...</source>
        <translation>Ano inválido...</translation>
    </message>
    <message>
        <source>Please enter a month. Default is 1. (1-12 is valid).</source>
        <translation>Digite um mês. O padrão é 1 (valores válidos: 1-12).</translation>
    </message>
    <message>
        <source>Not a valid month...</source>
        <translation>Mês inválido...</translation>
    </message>
    <message>
        <source>Please enter a day. Default is 1 (1-31 is valid).</source>
        <translation>Digite um dia. O padrão é 1 (valores válidos: 1-31).</translation>
    </message>
    <message>
        <source>Not a valid day...</source>
        <translation>Dia inválido...</translation>
    </message>
    <message>
        <source>Please enter an hour. Default is 0 (24H time only - 0-23 is valid).</source>
        <translation>Digite uma hora. O padrão é 0 (somente formato de 24 horas, valores válidos: 0-23).</translation>
    </message>
    <message>
        <source>Not a valid hour...</source>
        <translation>Hora inválida...</translation>
    </message>
    <message>
        <source>Please enter a minute. Default is 0 (0-59 is valid).</source>
        <translation>Digite um minuto. O padrão é 0 (valores válidos: 0-59).</translation>
    </message>
    <message>
        <source>Not a valid minute...</source>
        <translation>Minuto inválido...</translation>
    </message>
    <message>
        <source>Please enter a second. Default is 0 (0-59 is valid).</source>
        <translation>Digite um segundo. O padrão é 0 (valores válidos: 0-59).</translation>
    </message>
    <message>
        <source>Not a valid second...</source>
        <translation>Segundo inválido...</translation>
    </message>
</context>
<context>
    <name>FinishedPage</name>
    <message>
        <source>Finished!</source>
        <translation>Concluído!</translation>
    </message>
    <message>
        <source>## images cleaned!</source>
        <translation>## imagens limpas!</translation>
    </message>
    <message>
        <source>Show the problems of this run...</source>
        <translation>Mostrar os problemas desta execução...</translation>
    </message>
    <message>
        <source>Error details</source>
        <translation>Detalhes do erro</translation>
    </message>
    <message>
        <source>Images of this run (double-click to compare):</source>
        <translation>Imagens desta execução (clique duplo para comparar):</translation>
    </message>
    <message>
        <source>Images of this run</source>
        <translation>Imagens desta execução</translation>
    </message>
    <message>
        <source>Each image with what became of it. Ctrl+I, a double-click or the context menu shows what cleaning removed from the current file and what is left.</source>
        <translation>Cada imagem com o que aconteceu com ela. Ctrl+I, um clique duplo ou o menu de contexto mostra o que a limpeza removeu do arquivo atual e o que restou.</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Mostrar metadados</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Click here to open the destination folder...</source>
        <translation>Clique aqui para abrir a pasta de destino...</translation>
    </message>
    <message>
        <source>Hide the images that were not reached</source>
        <translation>Ocultar as imagens não processadas</translation>
    </message>
    <message>
        <source>Show the image that was not reached</source>
        <translation>Mostrar a imagem não processada</translation>
    </message>
    <message numerus="yes">
        <source>Show the %1 images that were not reached</source>
        <translation>
            <numerusform>Mostrar %1 imagem não processada</numerusform>
            <numerusform>Mostrar as %1 imagens não processadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IdentifyingTags</name>
    <message>
        <source>Location (GPS)</source>
        <translation>Localização (GPS)</translation>
    </message>
    <message>
        <source>where it was taken (GPS)</source>
        <translation>onde foi tirada (GPS)</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Nome do lugar</translation>
    </message>
    <message>
        <source>where it was taken (place names)</source>
        <translation>onde foi tirada (nomes de lugares)</translation>
    </message>
    <message>
        <source>Home time zone</source>
        <translation>Fuso horário de origem</translation>
    </message>
    <message>
        <source>the camera&apos;s home time zone</source>
        <translation>o fuso horário de origem da câmera</translation>
    </message>
    <message>
        <source>Location (map position)</source>
        <translation>Localização (posição no mapa)</translation>
    </message>
    <message>
        <source>where it lies on a map</source>
        <translation>onde fica em um mapa</translation>
    </message>
    <message>
        <source>Lens serial number</source>
        <translation>Número de série da lente</translation>
    </message>
    <message>
        <source>the lens&apos;s serial number</source>
        <translation>o número de série da lente</translation>
    </message>
    <message>
        <source>Camera serial number</source>
        <translation>Número de série da câmera</translation>
    </message>
    <message>
        <source>the camera&apos;s serial number</source>
        <translation>o número de série da câmera</translation>
    </message>
    <message>
        <source>Unique identifier</source>
        <translation>Identificador único</translation>
    </message>
    <message>
        <source>unique identifiers</source>
        <translation>identificadores únicos</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Nome do computador</translation>
    </message>
    <message>
        <source>the computer&apos;s name</source>
        <translation>o nome do computador</translation>
    </message>
    <message>
        <source>Original file name</source>
        <translation>Nome do arquivo original</translation>
    </message>
    <message>
        <source>the original file name</source>
        <translation>o nome do arquivo original</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>Nome da câmera</translation>
    </message>
    <message>
        <source>the camera&apos;s name</source>
        <translation>o nome da câmera</translation>
    </message>
    <message>
        <source>Lens make and model</source>
        <translation>Marca e modelo da lente</translation>
    </message>
    <message>
        <source>the lens make and model</source>
        <translation>a marca e o modelo da lente</translation>
    </message>
    <message>
        <source>Camera make and model</source>
        <translation>Marca e modelo da câmera</translation>
    </message>
    <message>
        <source>the camera make and model</source>
        <translation>a marca e o modelo da câmera</translation>
    </message>
    <message>
        <source>Shutter count</source>
        <translation>Contagem de disparos</translation>
    </message>
    <message>
        <source>how many photos the camera has taken</source>
        <translation>quantas fotos a câmera já tirou</translation>
    </message>
    <message>
        <source>Camera or device detail</source>
        <translation>Detalhe da câmera ou do dispositivo</translation>
    </message>
    <message>
        <source>details of the camera</source>
        <translation>detalhes da câmera</translation>
    </message>
    <message>
        <source>Owner name</source>
        <translation>Nome do proprietário</translation>
    </message>
    <message>
        <source>the owner&apos;s name</source>
        <translation>o nome do proprietário</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Endereço de e-mail</translation>
    </message>
    <message>
        <source>an e-mail address</source>
        <translation>um endereço de e-mail</translation>
    </message>
    <message>
        <source>Contact details</source>
        <translation>Dados de contato</translation>
    </message>
    <message>
        <source>contact details</source>
        <translation>dados de contato</translation>
    </message>
    <message>
        <source>People shown</source>
        <translation>Pessoas retratadas</translation>
    </message>
    <message>
        <source>who is in it</source>
        <translation>quem aparece nela</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Aviso de direitos autorais</translation>
    </message>
    <message>
        <source>a copyright notice</source>
        <translation>um aviso de direitos autorais</translation>
    </message>
    <message>
        <source>Author name</source>
        <translation>Nome do autor</translation>
    </message>
    <message>
        <source>the author&apos;s name</source>
        <translation>o nome do autor</translation>
    </message>
    <message>
        <source>Date and time taken</source>
        <translation>Data e hora da captura</translation>
    </message>
    <message>
        <source>when it was taken</source>
        <translation>quando foi tirada</translation>
    </message>
    <message>
        <source>Date and time changed</source>
        <translation>Data e hora da alteração</translation>
    </message>
    <message>
        <source>when it was changed</source>
        <translation>quando foi alterada</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>dates and times</source>
        <translation>datas e horas</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>the software used</source>
        <translation>o software usado</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>a impressora</translation>
    </message>
    <message>
        <source>Image number</source>
        <translation>Número da imagem</translation>
    </message>
    <message>
        <source>the image number</source>
        <translation>o número da imagem</translation>
    </message>
    <message>
        <source>Document name</source>
        <translation>Nome do documento</translation>
    </message>
    <message>
        <source>the document&apos;s name</source>
        <translation>o nome do documento</translation>
    </message>
    <message>
        <source>Other metadata</source>
        <translation>Outros metadados</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>Camera and device</source>
        <translation>Câmera e dispositivo</translation>
    </message>
    <message>
        <source>Names of people</source>
        <translation>Nomes de pessoas</translation>
    </message>
    <message>
        <source>Dates and times</source>
        <translation>Datas e horas</translation>
    </message>
    <message>
        <source>Identifiers</source>
        <translation>Identificadores</translation>
    </message>
    <message>
        <source>Nothing identifying was found in the listing.</source>
        <translation>Nada que identifique foi encontrado na listagem.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>This photo reveals %1.</source>
        <translation>Esta foto revela %1.</translation>
    </message>
    <message>
        <source>This video reveals %1.</source>
        <translation>Este vídeo revela %1.</translation>
    </message>
</context>
<context>
    <name>ImageFiles</name>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this raw type</source>
        <translation>Deixado de fora: o ExifTool não consegue gravar este tipo raw</translation>
    </message>
    <message>
        <source>Left out: ExifTool cannot write this image type</source>
        <translation>Deixado de fora: o ExifTool não consegue gravar este tipo de imagem</translation>
    </message>
    <message>
        <source>The path is longer than the system allows (%1 bytes)</source>
        <translation>O caminho é mais longo do que o sistema permite (%1 bytes)</translation>
    </message>
    <message>
        <source>Not a supported image type.</source>
        <translation>Não é um tipo de imagem compatível.</translation>
    </message>
    <message>
        <source>Supported images and videos</source>
        <translation>Imagens e vídeos compatíveis</translation>
    </message>
    <message>
        <source>Left out: this video type is not cleaned</source>
        <translation>Deixado de fora: este tipo de vídeo não é limpo</translation>
    </message>
</context>
<context>
    <name>ImagesPage</name>
    <message>
        <source>Add Images</source>
        <translation>Adicionar imagens</translation>
    </message>
    <message>
        <source>Add from Folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Remove selected files</source>
        <translation>Remover os arquivos selecionados</translation>
    </message>
    <message>
        <source>Clear the file list</source>
        <translation>Limpar a lista de arquivos</translation>
    </message>
    <message>
        <source>Images to clean</source>
        <translation>Imagens a limpar</translation>
    </message>
    <message>
        <source>No images yet. Add them with the buttons on the left, or drop them here.</source>
        <translation>Ainda não há imagens. Adicione-as com os botões à esquerda ou arraste-as para cá.</translation>
    </message>
    <message>
        <source>Show Metadata</source>
        <translation>Mostrar metadados</translation>
    </message>
    <message>
        <source>Double-click an image to view its metadata</source>
        <translation>Clique duas vezes em uma imagem para ver seus metadados</translation>
    </message>
    <message>
        <source>Ctrl+I shows the metadata of the current image; Delete removes the selected images.</source>
        <translation>Ctrl+I mostra os metadados da imagem atual; Delete remove as imagens selecionadas.</translation>
    </message>
    <message>
        <source>0 images</source>
        <translation>0 imagens</translation>
    </message>
    <message>
        <source>%1 images</source>
        <translation>%1 imagens</translation>
    </message>
    <message>
        <source>Adding files...</source>
        <translation>Adicionando arquivos...</translation>
    </message>
    <message>
        <source>No files to process...</source>
        <translation>Nenhum arquivo a processar...</translation>
    </message>
</context>
<context>
    <name>JobFiles</name>
    <message>
        <source>%1: not a file of this user</source>
        <translation>%1: não é um arquivo deste usuário</translation>
    </message>
</context>
<context>
    <name>MetadataCompare</name>
    <message>
        <source>removed</source>
        <translation>removida</translation>
    </message>
    <message>
        <source>KEPT</source>
        <translation>MANTIDA</translation>
    </message>
    <message>
        <source>CHANGED</source>
        <translation>ALTERADA</translation>
    </message>
    <message>
        <source>ADDED</source>
        <translation>ADICIONADA</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>calculada</translation>
    </message>
</context>
<context>
    <name>MetadataViewer</name>
    <message>
        <source>Metadata Viewer</source>
        <translation>Visualizador de metadados</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>Metadados</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Localizar:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Próxima</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Show &amp;removed tags</source>
        <translation>Mostrar tags &amp;removidas</translation>
    </message>
    <message>
        <source>%1 - Metadata Viewer</source>
        <translation>%1 - Visualizador de metadados</translation>
    </message>
    <message>
        <source>Identifying metadata</source>
        <translation>Metadados identificadores</translation>
    </message>
    <message>
        <source>What it reveals</source>
        <translation>O que revela</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message numerus="yes">
        <source>%n tag(s)</source>
        <translation>
            <numerusform>%n tag</numerusform>
            <numerusform>%n tags</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - compared with the original - Metadata Viewer</source>
        <translation>%1 - comparado com o original - Visualizador de metadados</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>Original: %1</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>Limpo: %1</translation>
    </message>
    <message>
        <source>%1 tags removed, %2 kept, %3 added.</source>
        <translation>%1 tags removidas, %2 mantidas, %3 adicionadas.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the kept tags can identify you (marked with !).</source>
        <translation>
            <numerusform>%1 das tags mantidas pode identificar você (marcada com !).</numerusform>
            <numerusform>%1 das tags mantidas podem identificar você (marcadas com !).</numerusform>
        </translation>
    </message>
    <message>
        <source>Tags in bold are still in the cleaned file and come first; struck-through tags were removed. File names, sizes and dates on disk are left out.</source>
        <translation>As tags em negrito continuam no arquivo limpo e aparecem primeiro; as tags riscadas foram removidas. Nomes, tamanhos e datas dos arquivos no disco não são mostrados.</translation>
    </message>
    <message numerus="yes">
        <source>The %n value(s) ExifTool computes from other tags (Composite) are listed last and not counted: they are not stored in the file.</source>
        <translation>
            <numerusform>O %n valor que o ExifTool calcula a partir de outras tags (Composite) aparece por último e não é contado: ele não está armazenado no arquivo.</numerusform>
            <numerusform>Os %n valores que o ExifTool calcula a partir de outras tags (Composite) aparecem por último e não são contados: eles não estão armazenados no arquivo.</numerusform>
        </translation>
    </message>
    <message>
        <source>kept, now listed as %1</source>
        <translation>mantida, agora listada como %1</translation>
    </message>
    <message>
        <source>kept in the maker notes, which ExifTool can no longer name</source>
        <translation>mantida nas notas do fabricante, que o ExifTool já não consegue nomear</translation>
    </message>
    <message>
        <source>computed, not stored in the file</source>
        <translation>calculada, não armazenada no arquivo</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Não encontrado</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Output mode:</source>
        <translation>Modo de saída:</translation>
    </message>
    <message>
        <source>Overwrite original</source>
        <translation>Sobrescrever o original</translation>
    </message>
    <message>
        <source>Save cleaned images in this folder:</source>
        <translation>Salvar as imagens limpas nesta pasta:</translation>
    </message>
    <message>
        <source>Add prefix:</source>
        <translation>Adicionar prefixo:</translation>
    </message>
    <message>
        <source>Add suffix:</source>
        <translation>Adicionar sufixo:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>cleaned_</source>
        <translation>cleaned_</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefixo</translation>
    </message>
    <message>
        <source>_cleaned</source>
        <translation>_cleaned</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Sufixo</translation>
    </message>
    <message>
        <source>Select output folder:</source>
        <translation>Selecione a pasta de destino:</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <source>The output is damaged: %1.</source>
        <translation>O resultado está danificado: %1.</translation>
    </message>
    <message>
        <source>The output could not be read back, so what is left in it is not known.</source>
        <translation>Não foi possível reler o resultado, por isso não se sabe o que restou nele.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back.</source>
        <translation>O ExifTool não consegue reler o resultado.</translation>
    </message>
    <message>
        <source>ExifTool cannot read the output back: %1</source>
        <translation>O ExifTool não consegue reler o resultado: %1</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer opens in a raw converter (%1); the original is kept.</source>
        <translation>O arquivo raw limpo não abre mais em um conversor raw (%1); o original é mantido.</translation>
    </message>
    <message>
        <source>The cleaned raw file no longer gives the original&apos;s picture; the original is kept.</source>
        <translation>O arquivo raw limpo não reproduz mais a imagem do original; o original é mantido.</translation>
    </message>
    <message>
        <source>The image was copied without removing anything.</source>
        <translation>A imagem foi copiada sem remover nada.</translation>
    </message>
</context>
<context>
    <name>ProblemView</name>
    <message>
        <source>Problems of this run</source>
        <translation>Problemas desta execução</translation>
    </message>
    <message>
        <source>What this run could not do, image by image. Hover over a name for its full path.</source>
        <translation>O que esta execução não conseguiu fazer, imagem por imagem. Passe o mouse sobre um nome para ver o caminho completo.</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>A execução terminou com um erro interno</translation>
    </message>
    <message>
        <source>Could not be cleaned</source>
        <translation>Não puderam ser limpas</translation>
    </message>
    <message>
        <source>Still carry identifying metadata</source>
        <translation>Ainda contêm metadados identificadores</translation>
    </message>
    <message>
        <source>Warnings about images that were cleaned</source>
        <translation>Avisos sobre imagens limpas</translation>
    </message>
    <message>
        <source>No image of this run had a problem.</source>
        <translation>Nenhuma imagem desta execução teve problemas.</translation>
    </message>
    <message>
        <source>(ExifTool&apos;s messages go on; this shows their first 4 MB.)</source>
        <translation>(As mensagens do ExifTool continuam; aqui são mostrados os primeiros 4 MB.)</translation>
    </message>
    <message>
        <source>ExifTool&apos;s messages</source>
        <translation>Mensagens do ExifTool</translation>
    </message>
    <message>
        <source>Show ExifTool&apos;s messages</source>
        <translation>Mostrar as mensagens do ExifTool</translation>
    </message>
    <message>
        <source>Hide ExifTool&apos;s messages</source>
        <translation>Ocultar as mensagens do ExifTool</translation>
    </message>
</context>
<context>
    <name>QuickCleanDialog</name>
    <message>
        <source>Remove metadata</source>
        <translation>Remover metadados</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Show problems</source>
        <translation>Mostrar problemas</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Procurando imagens...</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Nada foi limpo</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read.</source>
        <translation>O arquivo de configurações %1 tem mais de 1 MB e não foi lido.</translation>
    </message>
    <message>
        <source>No options are stored yet, so the defaults are used: cleaned copies named with &quot;%1&quot; beside the originals.</source>
        <translation>Ainda não há opções salvas, por isso são usadas as opções padrão: cópias limpas com “%1” no nome ao lado dos originais.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the run was stopped</source>
        <translation>Nada foi limpo; a execução foi interrompida</translation>
    </message>
    <message>
        <source>No image to clean: nothing was selected.</source>
        <translation>Nenhuma imagem a limpar: nada foi selecionado.</translation>
    </message>
    <message>
        <source>No image to clean in %1.</source>
        <translation>Nenhuma imagem a limpar em %1.</translation>
    </message>
    <message numerus="yes">
        <source>No image to clean in %1 and %n other items.</source>
        <translation>
            <numerusform>Nenhuma imagem a limpar em %1 e em %n outro item.</numerusform>
            <numerusform>Nenhuma imagem a limpar em %1 e em outros %n itens.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overwrite the originals of %n images?</source>
        <translation>
            <numerusform>Sobrescrever o original de %n imagem?</numerusform>
            <numerusform>Sobrescrever os originais de %n imagens?</numerusform>
        </translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Os originais serão sobrescritos. Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>Nothing was cleaned; the originals are as they were</source>
        <translation>Nada foi limpo; os originais continuam como estavam</translation>
    </message>
    <message numerus="yes">
        <source>Cleaning %n images...</source>
        <translation>
            <numerusform>Limpando %n imagem...</numerusform>
            <numerusform>Limpando %n imagens...</numerusform>
        </translation>
    </message>
    <message>
        <source>One or more output file already exist! Do you want to overwrite existing file(s)?</source>
        <translation>Um ou mais arquivos de saída já existem! Deseja sobrescrever os arquivos existentes?</translation>
    </message>
    <message>
        <source>No program is set up here to open folders. The cleaned images are in this folder:</source>
        <translation>Nenhum programa está configurado aqui para abrir pastas. As imagens limpas estão nesta pasta:</translation>
    </message>
</context>
<context>
    <name>ReadyPage</name>
    <message>
        <source>Ready to start</source>
        <translation>Pronto para iniciar</translation>
    </message>
    <message>
        <source>Press &quot;Start&quot; to clean the images.</source>
        <translation>Clique em “Iniciar” para limpar as imagens.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Skip this page in the future.</source>
        <translation>Pular esta página no futuro.</translation>
    </message>
    <message>
        <source>999 images will be cleaned as copies whose names end with &quot;_cleaned&quot;. Removed: all supported metadata, APP14. File dates are set to random dates. Originals that fail go to the trash.</source>
        <translation>999 imagens serão limpas como cópias cujos nomes terminam com “_cleaned”. A remover: todos os metadados compatíveis, APP14. As datas dos arquivos são definidas como datas aleatórias. Os originais que falharem vão para a lixeira.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The originals will be overwritten. This cannot be undone.</source>
        <translation>Os originais serão sobrescritos. Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>Cannot start</source>
        <translation>Não é possível iniciar</translation>
    </message>
</context>
<context>
    <name>RunCheck</name>
    <message>
        <source>1 original cannot be overwritten: %1</source>
        <translation>1 original não pode ser sobrescrito: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n originals cannot be overwritten: %1</source>
        <translation>
            <numerusform>%n original não pode ser sobrescrito: %1</numerusform>
            <numerusform>%n originais não podem ser sobrescritos: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 is a file, not a folder.</source>
        <translation>A pasta %1 não pode ser criada: %2 é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2 cannot be written to.</source>
        <translation>A pasta %1 não pode ser criada: não é possível gravar em %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>Não é possível gravar na pasta %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n folders cannot be written to: %1</source>
        <translation>
            <numerusform>Não é possível gravar em %n pasta: %1</numerusform>
            <numerusform>Não é possível gravar em %n pastas: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not enough free space in %1: about %2 needed, %3 free.</source>
        <translation>Espaço livre insuficiente em %1: são necessários cerca de %2, há %3 livres.</translation>
    </message>
</context>
<context>
    <name>RunPage</name>
    <message>
        <source>Processing images, please wait...</source>
        <translation>Processando as imagens, aguarde...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Trabalhando</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>cerca de %n s restante</numerusform>
            <numerusform>cerca de %n s restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>cerca de %n min restante</numerusform>
            <numerusform>cerca de %n min restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>cerca de %n h restante</numerusform>
            <numerusform>cerca de %n h restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Paused: waiting for your answer</source>
        <translation>Em pausa: aguardando sua resposta</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>1 image still carries identifying metadata.</source>
        <translation>1 imagem ainda contém metadados identificadores.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images still carry identifying metadata.</source>
        <translation>
            <numerusform>%1 imagem ainda contém metadados identificadores.</numerusform>
            <numerusform>%1 imagens ainda contêm metadados identificadores.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 raw file ExifTool cannot write</source>
        <translation>1 arquivo raw que o ExifTool não consegue gravar</translation>
    </message>
    <message numerus="yes">
        <source>%n raw files ExifTool cannot write</source>
        <translation>
            <numerusform>%n arquivo raw que o ExifTool não consegue gravar</numerusform>
            <numerusform>%n arquivos raw que o ExifTool não consegue gravar</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image ExifTool cannot write</source>
        <translation>1 imagem que o ExifTool não consegue gravar</translation>
    </message>
    <message numerus="yes">
        <source>%n images ExifTool cannot write</source>
        <translation>
            <numerusform>%n imagem que o ExifTool não consegue gravar</numerusform>
            <numerusform>%n imagens que o ExifTool não consegue gravar</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path longer than the system allows</source>
        <translation>1 caminho mais longo do que o sistema permite</translation>
    </message>
    <message numerus="yes">
        <source>%n paths longer than the system allows</source>
        <translation>
            <numerusform>%n caminho mais longo do que o sistema permite</numerusform>
            <numerusform>%n caminhos mais longos do que o sistema permite</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file that is not a supported image</source>
        <translation>1 arquivo que não é uma imagem compatível</translation>
    </message>
    <message numerus="yes">
        <source>%n files that are not supported images</source>
        <translation>
            <numerusform>%n arquivo que não é uma imagem compatível</numerusform>
            <numerusform>%n arquivos que não são imagens compatíveis</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out: %1.</source>
        <translation>1 arquivo foi deixado de fora: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: %1.</source>
        <translation>
            <numerusform>%n arquivo foi deixado de fora: %1.</numerusform>
            <numerusform>%n arquivos foram deixados de fora: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: no identifying metadata left.</source>
        <translation>Limpa: não restam metadados identificadores.</translation>
    </message>
    <message>
        <source>Identifying metadata is left:</source>
        <translation>Restam metadados identificadores:</translation>
    </message>
    <message>
        <source>Unchanged: ExifTool could not remove anything.</source>
        <translation>Inalterada: o ExifTool não conseguiu remover nada.</translation>
    </message>
    <message>
        <source>Failed: no cleaned file was written.</source>
        <translation>Falhou: nenhum arquivo limpo foi gravado.</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>Ignorada.</translation>
    </message>
    <message>
        <source>Cleaned</source>
        <translation>Limpa</translation>
    </message>
    <message>
        <source>Still identifying</source>
        <translation>Ainda identificável</translation>
    </message>
    <message>
        <source>Not cleaned</source>
        <translation>Não limpa</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Deixada de fora</translation>
    </message>
    <message>
        <source>Output kept</source>
        <translation>Resultado mantido</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Não processada</translation>
    </message>
    <message>
        <source>The file is not a %1 image; it looks like a %2 file.</source>
        <translation>O arquivo não é uma imagem %1; parece ser um arquivo %2.</translation>
    </message>
    <message>
        <source>The file is not a valid %1 image.</source>
        <translation>O arquivo não é uma imagem %1 válida.</translation>
    </message>
    <message>
        <source>The %1 image is damaged.</source>
        <translation>A imagem %1 está danificada.</translation>
    </message>
    <message>
        <source>The file is damaged or is not the kind of image its name says.</source>
        <translation>O arquivo está danificado ou não é o tipo de imagem que o nome indica.</translation>
    </message>
    <message>
        <source>ExifTool had nothing to copy back into the cleaned file (no writable tags set).</source>
        <translation>O ExifTool não tinha nada para copiar de volta para o arquivo limpo (nenhuma tag gravável definida).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>O arquivo está vazio.</translation>
    </message>
    <message>
        <source>The run ended on an internal error</source>
        <translation>A execução terminou com um erro interno</translation>
    </message>
    <message>
        <source>No image was cleaned: the run ended on an internal error</source>
        <translation>Nenhuma imagem foi limpa: a execução terminou com um erro interno</translation>
    </message>
    <message>
        <source>No image was cleaned; the run was stopped</source>
        <translation>Nenhuma imagem foi limpa; a execução foi interrompida</translation>
    </message>
    <message>
        <source>No image was cleaned: %1</source>
        <translation>Nenhuma imagem foi limpa: %1</translation>
    </message>
    <message>
        <source>No image was cleaned; 1 could not be cleaned</source>
        <translation>Nenhuma imagem foi limpa; 1 não pôde ser limpa</translation>
    </message>
    <message numerus="yes">
        <source>No image was cleaned; %1 could not be cleaned</source>
        <translation>
            <numerusform>Nenhuma imagem foi limpa; %1 não pôde ser limpa</numerusform>
            <numerusform>Nenhuma imagem foi limpa; %1 não puderam ser limpas</numerusform>
        </translation>
    </message>
    <message>
        <source>No image was cleaned</source>
        <translation>Nenhuma imagem foi limpa</translation>
    </message>
    <message>
        <source>The image was cleaned</source>
        <translation>A imagem foi limpa</translation>
    </message>
    <message numerus="yes">
        <source>All %1 images were cleaned</source>
        <translation>
            <numerusform>%1 imagem foi limpa</numerusform>
            <numerusform>Todas as %1 imagens foram limpas</numerusform>
        </translation>
    </message>
    <message>
        <source>0 of 1 image was cleaned</source>
        <translation>0 de 1 imagem foi limpa</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 images were cleaned</source>
        <translation>
            <numerusform>%1 de %2 imagem foi limpa</numerusform>
            <numerusform>%1 de %2 imagens foram limpas</numerusform>
        </translation>
    </message>
    <message>
        <source>; the run was stopped</source>
        <translation>; a execução foi interrompida</translation>
    </message>
    <message>
        <source>; 1 still carries identifying metadata</source>
        <translation>; 1 ainda contém metadados identificadores</translation>
    </message>
    <message numerus="yes">
        <source>; %1 still carry identifying metadata</source>
        <translation>
            <numerusform>; %1 ainda contém metadados identificadores</numerusform>
            <numerusform>; %1 ainda contêm metadados identificadores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %1 could not be cleaned</source>
        <translation>
            <numerusform>; %1 não pôde ser limpa</numerusform>
            <numerusform>; %1 não puderam ser limpas</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 existing output was kept</source>
        <translation>; 1 resultado existente foi mantido</translation>
    </message>
    <message numerus="yes">
        <source>; %1 existing outputs were kept</source>
        <translation>
            <numerusform>; %1 resultado existente foi mantido</numerusform>
            <numerusform>; %1 resultados existentes foram mantidos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was cleaned.</source>
        <translation>1 imagem foi limpa.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were cleaned.</source>
        <translation>
            <numerusform>%1 imagem foi limpa.</numerusform>
            <numerusform>%1 imagens foram limpas.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image could not be cleaned.</source>
        <translation>1 imagem não pôde ser limpa.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images could not be cleaned.</source>
        <translation>
            <numerusform>%1 imagem não pôde ser limpa.</numerusform>
            <numerusform>%1 imagens não puderam ser limpas.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 image was not reached before the stop.</source>
        <translation>1 imagem não foi processada antes da interrupção.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images were not reached before the stop.</source>
        <translation>
            <numerusform>%1 imagem não foi processada antes da interrupção.</numerusform>
            <numerusform>%1 imagens não foram processadas antes da interrupção.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 existing output was kept.</source>
        <translation>1 resultado existente foi mantido.</translation>
    </message>
    <message numerus="yes">
        <source>%1 existing outputs were kept.</source>
        <translation>
            <numerusform>%1 resultado existente foi mantido.</numerusform>
            <numerusform>%1 resultados existentes foram mantidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was left out.</source>
        <translation>1 arquivo foi deixado de fora.</translation>
    </message>
    <message numerus="yes">
        <source>%1 files were left out.</source>
        <translation>
            <numerusform>%1 arquivo foi deixado de fora.</numerusform>
            <numerusform>%1 arquivos foram deixados de fora.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 video of a type not cleaned</source>
        <translation>1 vídeo de um tipo que não é limpo</translation>
    </message>
    <message numerus="yes">
        <source>%n videos of types not cleaned</source>
        <translation>
            <numerusform>%n vídeo de um tipo que não é limpo</numerusform>
            <numerusform>%n vídeos de tipos que não são limpos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TagsPage</name>
    <message>
        <source>Metadata to remove:</source>
        <translation>Metadados a remover:</translation>
    </message>
    <message>
        <source>All supported</source>
        <translation>Todos os compatíveis</translation>
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
        <translation>Miniatura Exif</translation>
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
        <translation>Perfil ICC</translation>
    </message>
    <message>
        <source>PS Tag &amp;&amp; Thumb</source>
        <translation>Tag &amp;&amp; miniatura PS</translation>
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
        <translation>Todos os outros</translation>
    </message>
    <message>
        <source>Keep orientation and colour profile</source>
        <translation>Manter orientação e perfil de cores</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>o manual</translation>
    </message>
    <message>
        <source>Disclaimer: This program can not guarantee full support for all above tags in image formats other than JPEG. RAW images are especially complicated. You should check the produced images to make sure that undesired metadata has been removed. See %1 for more information.</source>
        <translation>Aviso: em formatos de imagem que não sejam JPEG, este programa não pode garantir suporte completo a todas as tags acima. Imagens RAW são especialmente complicadas. Verifique as imagens geradas para ter certeza de que os metadados indesejados foram removidos. Consulte %1 para mais informações.</translation>
    </message>
    <message>
        <source>all supported metadata</source>
        <translation>todos os metadados compatíveis</translation>
    </message>
</context>
<context>
    <name>UpdateControls</name>
    <message>
        <source>%1 image</source>
        <translation>%1 imagem</translation>
    </message>
    <message numerus="yes">
        <source>%1 images</source>
        <translation>
            <numerusform>%1 imagem</numerusform>
            <numerusform>%1 imagens</numerusform>
        </translation>
    </message>
    <message>
        <source>(1 earlier output left out)</source>
        <translation>(1 resultado anterior deixado de fora)</translation>
    </message>
    <message numerus="yes">
        <source>(%n earlier outputs left out)</source>
        <translation>
            <numerusform>(%n resultado anterior deixado de fora)</numerusform>
            <numerusform>(%n resultados anteriores deixados de fora)</numerusform>
        </translation>
    </message>
    <message>
        <source>A prefix or suffix is part of the file name and cannot contain &quot;/&quot;.</source>
        <translation>Um prefixo ou sufixo faz parte do nome do arquivo e não pode conter “/”.</translation>
    </message>
</context>
<context>
    <name>VideoStage</name>
    <message>
        <source>Error: The video is incomplete (it ends inside a box)</source>
        <translation>Erro: o vídeo está incompleto (termina no meio de um box)</translation>
    </message>
    <message>
        <source>Error: Not a readable video (no movie header)</source>
        <translation>Erro: não é um vídeo legível (não tem cabeçalho de filme)</translation>
    </message>
    <message>
        <source>the remuxed video could not be kept</source>
        <translation>não foi possível manter o vídeo remuxado</translation>
    </message>
    <message>
        <source>ffmpeg ended with code %1</source>
        <translation>o ffmpeg terminou com o código %1</translation>
    </message>
    <message>
        <source>Error: ffmpeg cannot remux this video: %1</source>
        <translation>Erro: o ffmpeg não consegue remuxar este vídeo: %1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome to Quillmark!</source>
        <translation>Boas-vindas ao Quillmark!</translation>
    </message>
    <message>
        <source>This program deletes metadata tags and thumbnails from inside image files. This helps to protect your online privacy, as well as saving disk space. Drop photos or folders here, or click Next to choose them.</source>
        <translation>Este programa remove tags de metadados e miniaturas de dentro dos arquivos de imagem. Isso ajuda a proteger sua privacidade on-line, além de economizar espaço em disco. Solte fotos ou pastas aqui ou clique em “Avançar” para escolhê-las.</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Página inicial:</translation>
    </message>
</context>
<context>
    <name>WindowCommandLine</name>
    <message>
        <source>Try &apos;quillmark --help&apos;.</source>
        <translation>Tente “quillmark --help”.</translation>
    </message>
    <message>
        <source>quillmark: -auto: the settings file %1 is larger than 1 MB and was not read; nothing was cleaned</source>
        <translation>quillmark: -auto: o arquivo de configurações %1 tem mais de 1 MB e não foi lido; nada foi limpo</translation>
    </message>
    <message>
        <source>Removes metadata from image files, in a wizard window.</source>
        <translation>Remove metadados de arquivos de imagem, em uma janela de assistente.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>Clean FOLDER unattended with the stored options, then exit.</source>
        <translation>Limpar FOLDER sem intervenção com as opções salvas e sair.</translation>
    </message>
    <message>
        <source>Images and folders to start with.</source>
        <translation>Imagens e pastas com que começar.</translation>
    </message>
    <message>
        <source>-auto takes exactly one folder and no other paths.</source>
        <translation>-auto aceita exatamente uma pasta e nenhum outro caminho.</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: the folder cannot be read</source>
        <translation>quillmark: -auto: %1: não é possível ler a pasta</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: no such folder</source>
        <translation>quillmark: -auto: %1: pasta inexistente</translation>
    </message>
    <message>
        <source>quillmark: -auto: %1: not a folder</source>
        <translation>quillmark: -auto: %1: não é uma pasta</translation>
    </message>
    <message>
        <source>Clean the images and folders given as PATH with the stored options, showing the outcome in a small window.</source>
        <translation>Limpar as imagens e pastas indicadas como PATH com as opções salvas, mostrando o resultado em uma janela pequena.</translation>
    </message>
    <message>
        <source>--clean and -auto cannot be used together.</source>
        <translation>--clean e -auto não podem ser usados juntos.</translation>
    </message>
</context>
<context>
    <name>WizardPage</name>
    <message>
        <source>Browse for a folder to put the cleaned images in...</source>
        <translation>Procurar uma pasta para colocar as imagens limpas...</translation>
    </message>
</context>
<context>
    <name>quillmark_cli</name>
    <message>
        <source>quillmark-cli: cannot write the report %1: %2</source>
        <translation>quillmark-cli: não é possível gravar o relatório %1: %2</translation>
    </message>
    <message>
        <source>Looking for images...</source>
        <translation>Procurando imagens...</translation>
    </message>
    <message>
        <source>Stopped while looking for images; nothing was cleaned.</source>
        <translation>Interrompido ao procurar imagens; nada foi limpo.</translation>
    </message>
    <message>
        <source>quillmark-cli: no supported images found</source>
        <translation>quillmark-cli: nenhuma imagem compatível encontrada</translation>
    </message>
    <message>
        <source>quillmark-cli: ExifTool was not found. Install it (Debian package libimage-exiftool-perl) or place the exiftool program beside quillmark-cli.</source>
        <translation>quillmark-cli: o ExifTool não foi encontrado. Instale-o (pacote Debian libimage-exiftool-perl) ou coloque o programa exiftool ao lado do quillmark-cli.</translation>
    </message>
    <message>
        <source>quillmark-cli: cannot start: %1</source>
        <translation>quillmark-cli: não é possível iniciar: %1</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Registro: %1</translation>
    </message>
    <message>
        <source>Try &apos;quillmark-cli --help&apos;.</source>
        <translation>Tente “quillmark-cli --help”.</translation>
    </message>
    <message>
        <source>Image files and folders to clean.</source>
        <translation>Arquivos de imagem e pastas a limpar.</translation>
    </message>
    <message>
        <source>Where cleaned files go: overwrite, folder=DIR, prefix=TEXT or suffix=TEXT (default suffix=_cleaned).</source>
        <translation>Para onde vão os arquivos limpos: overwrite, folder=DIR, prefix=TEXT ou suffix=TEXT (padrão suffix=_cleaned).</translation>
    </message>
    <message>
        <source>What to remove, a comma list of: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (default all).</source>
        <translation>O que remover, uma lista separada por vírgulas de: all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other (padrão all).</translation>
    </message>
    <message>
        <source>What stays whatever --remove says, since it changes how the picture looks and identifies nobody: a comma list of orientation and color, or none (default orientation,color).</source>
        <translation>O que fica, diga o que disser --remove, porque muda a aparência da imagem e não identifica ninguém: uma lista separada por vírgulas de orientation e color, ou none (padrão orientation,color).</translation>
    </message>
    <message>
        <source>File dates of the cleaned files: keep, random or &quot;YYYY-MM-DD HH:MM:SS&quot; (default keep).</source>
        <translation>Datas dos arquivos limpos: keep, random ou &quot;YYYY-MM-DD HH:MM:SS&quot; (padrão keep).</translation>
    </message>
    <message>
        <source>Move the originals of images that could not be cleaned: trash, or a folder.</source>
        <translation>Mover os originais das imagens que não puderam ser limpas: trash ou uma pasta.</translation>
    </message>
    <message>
        <source>Replace cleaned files that already exist (by default they are kept).</source>
        <translation>Substituir arquivos limpos que já existem (por padrão eles são mantidos).</translation>
    </message>
    <message>
        <source>Do not ignore minor errors and warnings.</source>
        <translation>Não ignorar erros leves e avisos.</translation>
    </message>
    <message>
        <source>Start from the options stored by the Quillmark window; options given here still apply.</source>
        <translation>Partir das opções salvas pela janela do Quillmark; as opções informadas aqui continuam valendo.</translation>
    </message>
    <message>
        <source>ExifTool processes at once (default: the number of cores).</source>
        <translation>Processos do ExifTool simultâneos (padrão: o número de núcleos).</translation>
    </message>
    <message>
        <source>Write a JSON report of every image&apos;s outcome to FILE (&apos;-&apos; for standard output; the summary then goes to standard error).</source>
        <translation>Gravar em FILE um relatório JSON com o resultado de cada imagem (“-” para a saída padrão; o resumo vai então para a saída de erro padrão).</translation>
    </message>
    <message>
        <source>Do not check the cleaned files for identifying metadata that is left (faster).</source>
        <translation>Não verificar se restam metadados identificadores nos arquivos limpos (mais rápido).</translation>
    </message>
    <message>
        <source>Who writes the cleaned files: auto (JPEG, PNG, WebP and GIF by Quillmark&apos;s own writer where it can, the rest by ExifTool) or exiftool (every file by ExifTool) (default auto).</source>
        <translation>Quem grava os arquivos limpos: auto (JPEG, PNG, WebP e GIF pelo gravador próprio do Quillmark quando possível, o resto pelo ExifTool) ou exiftool (todos os arquivos pelo ExifTool) (padrão auto).</translation>
    </message>
    <message>
        <source>Also clean the paths listed in FILE, one a line (&quot;-&quot; reads standard input).</source>
        <translation>Limpar também os caminhos listados em FILE, um por linha (“-” lê a entrada padrão).</translation>
    </message>
    <message>
        <source>Paths in the --files-from list end with NUL, not a line break.</source>
        <translation>Os caminhos da lista de --files-from terminam com NUL, não com uma quebra de linha.</translation>
    </message>
    <message>
        <source>quillmark-cli: --settings: the settings file %1 is larger than 1 MB and was not read</source>
        <translation>quillmark-cli: --settings: o arquivo de configurações %1 tem mais de 1 MB e não foi lido</translation>
    </message>
    <message>
        <source>--output takes overwrite, folder=DIR, prefix=TEXT or suffix=TEXT</source>
        <translation>--output aceita overwrite, folder=DIR, prefix=TEXT ou suffix=TEXT</translation>
    </message>
    <message>
        <source>--remove takes a comma list of all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</source>
        <translation>--remove aceita uma lista separada por vírgulas de all, exif, gps, thumbnail, xmp, iptc, icc, photoshop, ifd0, geotiff, app14, other</translation>
    </message>
    <message>
        <source>--keep takes a comma list of orientation and color, or none</source>
        <translation>--keep aceita uma lista separada por vírgulas de orientation e color, ou none</translation>
    </message>
    <message>
        <source>--dates takes keep, random or a date &quot;YYYY-MM-DD HH:MM:SS&quot; from 1980 to 2100</source>
        <translation>--dates aceita keep, random ou uma data &quot;YYYY-MM-DD HH:MM:SS&quot; de 1980 a 2100</translation>
    </message>
    <message>
        <source>--move-failed takes trash or a folder</source>
        <translation>--move-failed aceita trash ou uma pasta</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>nenhuma pasta de destino informada</translation>
    </message>
    <message>
        <source>the prefix or suffix is empty</source>
        <translation>o prefixo ou o sufixo está vazio</translation>
    </message>
    <message>
        <source>the prefix or suffix must be part of a file name: it cannot hold &apos;/&apos;</source>
        <translation>o prefixo ou o sufixo deve fazer parte de um nome de arquivo: não pode conter “/”</translation>
    </message>
    <message>
        <source>nothing to remove: the colour profile is kept (see --keep)</source>
        <translation>nada a remover: o perfil de cores é mantido (veja --keep)</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>nada a remover</translation>
    </message>
    <message>
        <source>quillmark-cli: the colour profile is kept; --keep orientation or --keep none removes it</source>
        <translation>quillmark-cli: o perfil de cores é mantido; --keep orientation ou --keep none o removem</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64</source>
        <translation>--jobs aceita um número de 1 a 64</translation>
    </message>
    <message>
        <source>--engine takes auto or exiftool</source>
        <translation>--engine aceita auto ou exiftool</translation>
    </message>
    <message>
        <source>--report takes a file name or &apos;-&apos;</source>
        <translation>--report aceita um nome de arquivo ou “-”</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null requer --files-from</translation>
    </message>
    <message>
        <source>cannot read the list %1</source>
        <translation>não é possível ler a lista %1</translation>
    </message>
    <message>
        <source>no image files or folders given</source>
        <translation>nenhum arquivo de imagem ou pasta informado</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: no such file or folder</source>
        <translation>quillmark-cli: %1: arquivo ou pasta inexistente</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: not a supported image; skipped</source>
        <translation>quillmark-cli: %1: não é uma imagem compatível; ignorado</translation>
    </message>
    <message>
        <source>No images to clean in %1.</source>
        <translation>Nenhuma imagem a limpar em %1.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <translation>CAMINHO...</translation>
    </message>
    <message>
        <source>Print only the summary (nothing with --report -); errors that end the run are still printed.</source>
        <translation>Mostrar apenas o resumo (nada com --report -); os erros que encerram a execução continuam sendo mostrados.</translation>
    </message>
    <message>
        <source>Say what would be cleaned, where each output would go and what each image carries now; write nothing.</source>
        <translation>Informar o que seria limpo, para onde iria cada resultado e o que cada imagem contém agora; não gravar nada.</translation>
    </message>
    <message>
        <source>List the identifying metadata each file carries, as the metadata viewer does; change nothing.</source>
        <translation>Listar os metadados identificadores que cada arquivo contém, como faz o visualizador de metadados; não alterar nada.</translation>
    </message>
    <message>
        <source>--dry-run and --show cannot be used together</source>
        <translation>--dry-run e --show não podem ser usados juntos</translation>
    </message>
    <message>
        <source>quillmark-cli: %1: cannot be read: %2</source>
        <translation>quillmark-cli: %1: não é possível ler o arquivo: %2</translation>
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
        <translation>Não é possível ler a imagem: %1</translation>
    </message>
    <message>
        <source>  It carries nothing identifying.</source>
        <translation>  Não contém nada que identifique.</translation>
    </message>
    <message>
        <source>  It carries: %1</source>
        <translation>  Contém: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 image would be cleaned; nothing was written.</source>
        <translation>1 imagem seria limpa; nada foi gravado.</translation>
    </message>
    <message numerus="yes">
        <source>%1 images would be cleaned; nothing was written.</source>
        <translation>
            <numerusform>%1 imagem seria limpa; nada foi gravado.</numerusform>
            <numerusform>%1 imagens seriam limpas; nada foi gravado.</numerusform>
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
        <translation>Remove metadados (Exif, GPS, miniaturas, XMP, IPTC, ICC, ...) de arquivos de imagem com o ExifTool,
e de vídeos MOV e MP4 remuxando-os com o ffmpeg.
As pastas são percorridas com todas as suas subpastas.

Cada resultado é verificado depois; os metadados identificadores que restarem são relatados.

Status de saída: 0 concluído e limpo, 1 foram relatados problemas, restam metadados identificadores, uma imagem
ficou inalterada ou não pôde ser limpa, um arquivo indicado na linha de comando foi ignorado ou um arquivo encontrado
em uma pasta foi deixado de fora (um tipo de vídeo que não é limpo, um tipo que o ExifTool não consegue gravar, um caminho longo demais);
2 uso incorreto ou nada a limpar, 3 erro interno;
interrompido por SIGINT, SIGTERM ou SIGHUP: 130, 143 ou 129 (um segundo SIGINT interrompe imediatamente).</translation>
    </message>
</context>
</TS>

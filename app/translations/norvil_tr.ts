<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Geri al</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Kes</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>K&amp;opyala</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>Ya&amp;pıştır</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Sil</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Tümünü seç</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>インターネットに接続されていないか、サーバーが停止している可能性があります。</source>
        <translation>İnternete bağlı olmayabilirsiniz veya sunucu çalışmıyor olabilir.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Sürüm numarası okunamadı</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Sürüm numarası okunamadı.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Sürüm bilgileri bulunamadı</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Sürüm bilgileri bulunamadı.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Güncellemeleri denetle</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Güncellemeler denetleniyor…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Yeni bir sürüm yayımlandı.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>İndirme sayfası açılsın mı?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>İndirme sayfasını &amp;aç</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>Şimdi &amp;değil</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Hata ayıklama bilgileri ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Yeni sürüm “%1” yayımlandı.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Yeni bir sürüm yok.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Kullandığınız sürüm en yeni sürümdür.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Sürüm bilgileri alınamadı.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Belirtilen dosya bulunamadı.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Belirtilen URL bulunamadı.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Tarayıcı açılamadı.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Güncellemeleri denetle</translation>
    </message>
</context>
</TS>

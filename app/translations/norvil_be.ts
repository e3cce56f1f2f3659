<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="be" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Адрабіць</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Паўтарыць</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Вы&amp;разаць</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Капіяваць</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Уставіць</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>Вы&amp;даліць</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Вылучыць усё</translation>
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
        <translation>Магчыма, няма злучэння з інтэрнэтам або сервер недаступны.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Не ўдалося распазнаць нумар версіі</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Не ўдалося распазнаць нумар версіі.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Звесткі пра версію не знойдзены</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Звесткі пра версію не знойдзены.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Праверка абнаўленняў</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Праверка абнаўленняў…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Апублікавана новая версія.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Адкрыць старонку спампоўвання?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Адкрыць старонку</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Не зараз</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Адладачная інфармацыя ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Закрыць</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Апублікавана новая версія «%1».</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Новых версій няма.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Вы карыстаецеся найноўшай версіяй.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Не ўдалося атрымаць звесткі пра версію.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Указаны файл не знойдзены.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Указаны URL-адрас не знойдзены.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Не ўдалося адкрыць браўзер.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 — Праверка абнаўленняў</translation>
    </message>
</context>
</TS>
